// Morvane AAMA grade model.
// The factory through which the program creates AAMA grade models.
#include "sources/aama-model/AamaGradeModelFactory.h"

#include "sources/aama-model/AamaGradeModel.h"

#include <new>
#include <utility>

IGradeModel *CAamaGradeModelFactory::Make(morvane::SavePathProvider savePath)
{
    return new (std::nothrow) CAamaGradeModel(std::move(savePath));
}
