// Morvane interactive tasks.
// "SelectPatternPointTask": the step of picking a point of a pattern that many tools nest.
#include "app/taskdefs/SelectPatternPointTask.h"

#include "app/documents/IDocumentServices.h"
#include "app/taskdefs/TaskDocument.h"
#include "lang/ResourceText.h"

using namespace morvane;

namespace {

// The numbers are those the chart has always given its states; "Entry" comes sixth.
constexpr StateRow kStates[] = {
    {"CheckPieceSelect", StateType::Plain, 0, "FindFocusObject"},
    {"OverFreeSpace", StateType::Plain, 1},
    {"OverOtherPiece", StateType::Plain, 2},
    {"UpdateFocusManagerState", StateType::Plain, 3},
    {"OverPolyPoint", StateType::Plain, 4},
    {"Entry", StateType::Entry, 5},
    {"Exit", StateType::Exit, 6},
    {"UpdateFocusManagerPointState", StateType::Plain, 7},
};

// ";" joins conditions that must all hold.
constexpr TransitionRow kTransitions[] = {
    {"CheckPieceSelect", "", "nFocusObjectType!=9;nFocusObjectType!=10", "OverFreeSpace"},
    {"CheckPieceSelect", "", "nFocusObjectType=9", "OverOtherPiece"},
    {"CheckPieceSelect", "", "nFocusObjectType=10", "OverPolyPoint"},
    {"OverFreeSpace", "OnMouseMoveD", "", "CheckPieceSelect"},
    {"OverFreeSpace", "OnLButtonDownD", "bFreeSpace", "Exit"},
    {"OverOtherPiece", "OnMouseMoveD", "", "CheckPieceSelect"},
    {"OverOtherPiece", "OnLButtonDownD", "", "UpdateFocusManagerState", "SetActiveObject"},
    {"UpdateFocusManagerState", "", "", "CheckPieceSelect", "UpdateFocusManager"},
    {"OverPolyPoint", "OnMouseMoveD", "", "CheckPieceSelect"},
    {"OverPolyPoint", "OnLButtonDownD", "bIsActiveFocused", "Exit"},
    {"OverPolyPoint", "OnLButtonDownD", "bIsActiveFocused=0", "UpdateFocusManagerPointState",
     "SetActiveObject"},
    {"Entry", "", "", "OverFreeSpace"},
    {"UpdateFocusManagerPointState", "", "", "Exit", "UpdateFocusManager"},
};

} // namespace

const ChartDeclaration &CSelectPatternPointTask::Chart()
{
    static const ChartDeclaration chart{{}, {}, kStates, kTransitions};
    return chart;
}

void CSelectPatternPointTask::Define(ITask *task)
{
    defineChart(task, Chart());
}

void CSelectPatternPointTask::OnStateEnter(ITask *task, const std::string &stateName, int)
{
    IDocumentServices *services = documentServices(task);
    if (services == nullptr)
        return;
    std::string prompt;
    if (stateName == "OverOtherPiece")
        prompt = loadString(kOverLinePrompt);
    else if (stateName == "OverPolyPoint")
        prompt = loadString(kOverPointPrompt);
    services->SetStringAt(0, prompt);
}
