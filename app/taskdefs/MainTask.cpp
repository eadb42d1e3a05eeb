// Morvane interactive tasks.
// "MainTask": the top task of every grade mask, which holds the variables all tools share.
#include "app/taskdefs/MainTask.h"

#include "app/documents/IDocumentServices.h"
#include "app/documents/IOptions.h"
#include "app/interaction/DisplayFlags.h"
#include "app/tables/GradeSizeSelection.h"
#include "app/taskdefs/TaskDocument.h"
#include "tasks/ICommandAttributes.h"
#include "model/IInputPatterns.h"
#include "tasks/ITask.h"

namespace morvane {

namespace {

struct OptionCopy
{
    const char *variable;
    const char *option;
};

// The option keys keep their spelling: "REPEAT_INTERACIVE_TOOLS" is what "MORVANE.INI" holds.
constexpr OptionCopy kRepeatOptions[] = {
    {"repeat", "REPEAT_INTERACIVE_TOOLS"},
    {"repeatAdd", "REPEAT_ADD_REGION"},
    {"repeatMoveView", "REPEAT_MOVE_VIEW"},
    {"repeatZoomRectangle", "REPEAT_ZOOM_RECTANGLE"},
};
constexpr OptionCopy kMoveModeOption = {"bAutoMove", "START_WITH_MOVE_MODE"};

void copyOption(ITask &task, const IOptions &options, const OptionCopy &copy)
{
    task.GetAttributes()->SetInteger(copy.variable, options.GetIntOption(copy.option));
}

} // namespace

void copyRepeatOptions(ITask &mainTask, const IOptions &options)
{
    for (const OptionCopy &copy : kRepeatOptions)
        copyOption(mainTask, options, copy);
}

void MainTaskDefinition::Define(ITask *task)
{
    defineChart(task, mainTaskChart());
}

void MainTaskDefinition::OnEnter(ITask *task)
{
    IDocumentServices *services = documentServices(task);
    if (!services)
        return;
    const IOptions &options = services->GetOptions();
    copyRepeatOptions(*task, options);
    copyOption(*task, options, kMoveModeOption);
}

void MainTaskDefinition::OnModifiedChanged(ITask *task)
{
    if (IDocumentServices *services = documentServices(task))
        services->NotifyChanged2();
}

bool MainTaskDefinition::IsEventEnabled(ITask *task, const std::string &event)
{
    if (event != "OnModifyGradePath" && event != "OnModifyGradePoint")
        return false;
    IDocumentServices *services = documentServices(task);
    if (!services)
        return false;
    const CDisplayFlags *flags = services->GetDisplayFlags();
    const CGradeSizeSelection *sizes = services->GetSizeSelection();
    const IInputPatterns *patterns = services->GetInputPatterns();
    return flags && flags->GetShowGrading() && sizes && !sizes->GetShownSizes().empty()
           && patterns && patterns->GetPatternCount() > 0 && flags->GetShowInputPatterns();
}

} // namespace morvane
