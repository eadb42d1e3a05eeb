// Morvane AAMA grade model tests.
// A model described as text, to compare a model with the model its saved files read back into.
#pragma once

#include "sources/aama-model/AamaGradeModel.h"

#include <filesystem>
#include <memory>
#include <string>

/// Everything the model holds that an AAMA DXF save must keep: units, sample size, the names (in
/// the file's bytes and as shown), and per pattern its piece values, every curve point (place in
/// the file's units, kind, whether it has a rule, notch), internal points, notches off the outline
/// (with the drawing item they lie on), rule points and drawing.
std::string describeModel(CAamaGradeModel &model);

/// What a graded R12 save must keep of the model in the size of the file: the names (in the
/// file's bytes), and per pattern every curve point (place in the file's units, rule number, the
/// notch its curve holds), drill holes and notches off the outline with their rule numbers. A
/// point without a rule keeps no kind in that layout, so kinds are left out.
std::string describeGradedR12Model(CAamaGradeModel &model);

/// The model of the file at path, whose saves go to target; a load that fails fails the test.
std::unique_ptr<CAamaGradeModel> loadedModel(const std::filesystem::path &path,
                                             const std::filesystem::path &target);
