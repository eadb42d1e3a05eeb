// Morvane program documents test support.
// The test style, shirt.dxf with the sizes and measures of women.mst, loaded into a main document
// as the program loads a style.
#pragma once

#include "SourcePath.h"
#include "app/documents/GradeModelKind.h"
#include "app/documents/GradeModelLoader.h"
#include "app/documents/MorvaneDoc.h"
#include "platform/brismond/IBrismond.h"
#include "sources/grade-model/IGradeModel.h"

#include <gtest/gtest.h>

namespace morvane {

/// women.mst read into the document's measurement tables and shirt.dxf through the grade-model
/// loader, attached to the document's table set and handed to the document as kind GMK_AAMA; a
/// step that fails fails the test.
inline IGradeModel *loadShirtStyle(CMorvaneDoc &document)
{
    EXPECT_TRUE(document.GetMeasureTableDoc()->LoadFromFile(
        sourcePath("app/grading/tests/data/women.mst")));
    IGradeModel *model = nullptr;
    EXPECT_TRUE(GetGradeModel(GMK_AAMA, &model)) << GetGradeModelLoadError();
    if (model == nullptr)
        return nullptr;
    EXPECT_EQ(model->Load(sourcePath("sources/aama-model/tests/data/shirt.dxf").string()),
              GM_NO_ERROR);
    model->OnAttach(&document.GetTableSet()->GetGradeData());
    document.SetGradeModel(model, GMK_AAMA);
    return model;
}

} // namespace morvane
