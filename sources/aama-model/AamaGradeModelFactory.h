// Morvane AAMA grade model.
// The factory through which the program creates AAMA grade models.
#pragma once

#include "sources/aama-model/SavePathProvider.h"

class IGradeModel;

/// Creates AAMA grade models. Not to be instantiated: its one operation is static.
class CAamaGradeModelFactory
{
public:
    CAamaGradeModelFactory &operator=(const CAamaGradeModelFactory &) = default;

    /// A new, empty AAMA grade model that asks savePath for the file each Save writes (the
    /// program passes its file dialog; batch runs and tests a path). Null when memory runs out.
    /// The caller disposes of it with IGradeModel::Release.
    static IGradeModel *Make(morvane::SavePathProvider savePath);

protected:
    CAamaGradeModelFactory() = default;
};
