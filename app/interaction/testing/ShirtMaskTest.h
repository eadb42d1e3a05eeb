// Morvane program interaction test support.
// A test fixture: a grade-mask document over the shirt style of the source tree.
#pragma once

#include "SourcePath.h"
#include "TemporaryFolder.h"
#include "app/interaction/testing/MaskDocumentOnStyle.h"
#include "app/interaction/testing/SquarePiece.h"
#include "model/GradeMask.h"
#include "model/IInputPatterns.h"
#include "model/InputPattern.h"
#include "model/MaskPattern.h"
#include "model/MaskPolyline.h"
#include "tasks/Task.h"

#include <gtest/gtest.h>
#include <string>

namespace testinteraction {

/// The shirt style (two pieces) on its mask with the women's table set (six sizes, the third
/// the base); the task manager is not started.
class ShirtMaskTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_EQ(document.GetProblem(), ""); }

    TemporaryFolder folder{"interaction"};
    MaskDocumentOnStyle document{sourcePath("sources/aama-model/tests/data/shirt.dxf"),
                                 sourcePath("app/grading/tests/data/women.mst"), folder.path()};
    CGradeMask &mask = document.style().mask();
};

} // namespace testinteraction
