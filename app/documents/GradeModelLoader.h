// Morvane program documents.
// Obtains grade models by kind: the linked AAMA model, or a plug-in library loaded by name.
#pragma once

#include "sources/aama-model/SavePathProvider.h"

#include <filesystem>
#include <string>

class IGradeModel;

/// Sets *model to a new grade model of kind (GRADE_MODEL_KIND), owned by the caller and ended
/// with ReleaseGradeModel; returns whether one was obtained. *model is null first. Kind
/// GMK_AAMA makes the linked AAMA model, which asks the installed save-path provider where each
/// save goes. The plug-in kinds (mask files, model files, client program) load their library
/// from the plug-in folder at their first request and keep it until FreeGradeModelLibraries;
/// a library that does not load is tried again at the next request. Any other kind, a library
/// that does not load, a missing factory or a factory that makes nothing give false, and
/// GetGradeModelLoadError() says why. Shows no message.
bool GetGradeModel(int kind, IGradeModel **model);
/// Ends a model that GetGradeModel gave for kind: its Release, whose code goes to the critical
/// error check (which throws CMorvaneException for a critical code). Any kind but the loader's
/// (1 to 4) does nothing: the client grade model belongs to the main document. Null does
/// nothing.
void ReleaseGradeModel(int kind, IGradeModel *model);
/// Disposes of a model whose load failed, as ReleaseGradeModel does. The load's own code is
/// not passed on: a damaged or missing file is the caller's to report, never a critical error.
void CheckGradeModelError(int kind, IGradeModel *model);
/// Frees every loaded plug-in library (model files, client program, mask files, in that order)
/// and forgets it. Every model made by a plug-in must have been released before.
void FreeGradeModelLibraries();

/// Why the last GetGradeModel gave false (the library file and the system's reason, or the
/// missing factory); empty after one that succeeded.
const std::string &GetGradeModelLoadError();
/// The folder the plug-in libraries are loaded from; the running program's folder until set.
void SetGradeModelPluginFolder(const std::filesystem::path &folder);
/// What the AAMA models made from now on ask for the file a save writes: the program installs
/// its file dialog, batch runs and tests a path. Without one a save writes nothing and fails.
void SetGradeModelSavePathProvider(morvane::SavePathProvider provider);
