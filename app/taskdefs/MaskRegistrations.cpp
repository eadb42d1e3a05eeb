// Morvane interactive tasks.
// The commands and task templates that every grade mask's task manager registers, in order.
#include "app/taskdefs/MaskRegistrations.h"

#include "app/commands/CmdAssociatePatternsPoints.h"
#include "app/commands/CmdAssociateSelectedPatterns.h"
#include "app/commands/CmdAutoPlacePatterns.h"
#include "app/commands/CmdClearPatternsGrading.h"
#include "app/commands/CmdLoadMask.h"
#include "app/commands/CmdRecalculateGrading.h"
#include "app/commands/CmdSaveGradeMask.h"
#include "app/commands/CmdSaveModifiedMask.h"
#include "app/commands/CmdSetInteractiveMode.h"
#include "app/commands/CmdSetPointFilter.h"
#include "app/commands/CmdShowGrading.h"
#include "app/commands/CmdZoom.h"
#include "app/taskdefs/IdleTask.h"
#include "app/taskdefs/MainTask.h"
#include "app/taskdefs/ViewFunctionCommands.h"
#include "tasks/ITaskDefinition.h"
#include "tasks/UndoCommands.h"

namespace morvane {

namespace {

template <class Command>
std::unique_ptr<CBaseCommand> makeCommand()
{
    return std::make_unique<Command>();
}

template <class Command>
constexpr MaskCommandEntry commandObject(std::string_view name)
{
    return {name, MaskCommandEntry::Object, &makeCommand<Command>};
}

constexpr MaskCommandEntry awaitedObject(std::string_view name)
{
    return {name, MaskCommandEntry::Object};
}

constexpr MaskCommandEntry functionCommand(std::string_view name,
                                           MaskCommandEntry::FunctionCommand execute,
                                           COMMAND_MODIFY_TYPE modifyType = CMT_NO_MODIFY)
{
    return {name, MaskCommandEntry::Function, nullptr, execute, modifyType};
}

constexpr MaskCommandEntry awaitedFunction(std::string_view name,
                                           COMMAND_MODIFY_TYPE modifyType = CMT_NO_MODIFY)
{
    return {name, MaskCommandEntry::Function, nullptr, nullptr, modifyType};
}

template <class Definition>
std::unique_ptr<ITaskDefinition> makeDefinition()
{
    return std::make_unique<Definition>();
}

template <class Definition>
constexpr MaskTemplateEntry taskTemplate(std::string_view name)
{
    return {name, &makeDefinition<Definition>};
}

constexpr MaskTemplateEntry awaitedTemplate(std::string_view name)
{
    return {name};
}

// A class that lands replaces its "awaited" line, in place.
constexpr MaskCommandEntry kCommands[] = {
    commandObject<CCmdUndoAll>("UndoCurrentTask"),
    commandObject<CCmdAddUndo>("AddCurrentTaskUndo"),
    commandObject<CCmdUndoParentTask>("UndoParentTask"),
    commandObject<CCmdAddParentTaskUndo>("AddParentTaskUndo"),
    commandObject<CCmdUndo>("Undo"),
    commandObject<CCmdRedo>("Redo"),
    commandObject<CCmdClearParentUndoTask>("ClearParentUndoTask"),
    commandObject<CCmdClearCurrentUndoTask>("ClearCurrentUndoTask"),
    functionCommand("InvalidateView", &InvalidateView),
    awaitedObject("SetActiveObject"),
    awaitedFunction("SaveInitialRotAngle"),
    awaitedFunction("SaveRegionInitialRotAngle"),
    functionCommand("NewGradeMask", &NewGradeMask, CMT_NEW_HISTORY),
    awaitedObject("DeleteFormula"),
    awaitedObject("AddFormula"),
    awaitedObject("UpdateFormula"),
    awaitedObject("MovePattern"),
    awaitedObject("ChangePatternPosition"),
    awaitedObject("RotatePattern"),
    awaitedObject("ChangePatternAngle"),
    awaitedObject("FlipPattern"),
    awaitedObject("MovePatternPivotPoint"),
    awaitedObject("MoveRegion"),
    awaitedObject("RotateRegion"),
    awaitedObject("FlipRegion"),
    awaitedObject("DeleteRegion"),
    awaitedObject("AddRegionH"),
    awaitedObject("AddRegionV"),
    awaitedObject("AddSlopeRegion"),
    awaitedObject("AddNullRegion"),
    awaitedObject("UpdateRectRegion"),
    awaitedObject("UpdateRectRegionV"),
    awaitedObject("MoveMaskCenter"),
    awaitedObject("PlacePattern"),
    awaitedObject("UnPlacePattern"),
    commandObject<CCmdLoadMask>("LoadMask"),
    awaitedObject("PlaceAllPatterns"),
    awaitedObject("UnplaceAllPatterns"),
    awaitedObject("LimitLeft"),
    awaitedObject("LimitRight"),
    awaitedObject("LimitHeight"),
    awaitedObject("UnlimitLeft"),
    awaitedObject("UnlimitRight"),
    awaitedObject("UnlimitHeight"),
    awaitedObject("UpdateRegion"),
    awaitedObject("FindFocusObject"),
    awaitedObject("SetMaskCenter"),
    awaitedObject("UpdatePattern"),
    functionCommand("SetCapture", &SetCapture),
    functionCommand("ReleaseCapture", &ReleaseCapture),
    awaitedFunction("SaveRegionDelta"),
    awaitedFunction("SaveFirstPointDelta"),
    awaitedObject("CopyPatternToMask"),
    awaitedObject("CopyPatternsToMask"),
    awaitedObject("DeletePatternFromMask"),
    awaitedObject("DeletePatternsFromMask"),
    commandObject<CCmdSaveGradeMask>("SaveGradeMask"),
    awaitedObject("MovePatternToFocusPoint"),
    awaitedObject("FindFocusLine"),
    functionCommand("UpdateMeasure", &UpdateMeasure),
    functionCommand("InitMeasureObject", &InitMeasureObject),
    functionCommand("FindMeasurePoint", &FindMeasurePoint),
    functionCommand("ClearMeasure", &ClearMeasure),
    functionCommand("ShowPopupMenu", &ShowPopupMenu),
    functionCommand("ShowMaskRegions", &ShowMaskRegions),
    awaitedObject("UpdatePointPath"),
    awaitedFunction("FindPathPoint"),
    awaitedFunction("SetFirstPathPoint"),
    awaitedObject("AddPointPath"),
    awaitedObject("DuplicateRegion"),
    awaitedObject("UpdateBiasRegionAngle"),
    awaitedObject("UpdateBiasRegionHeight"),
    awaitedFunction("ClearFocusPoints"),
    awaitedFunction("AddFocusPoint"),
    awaitedObject("ChangeRegionDirectionToParallel"),
    commandObject<CCmdSetPointFilter>("SetPointFilter"),
    awaitedFunction("UpdateFocusManager"),
    awaitedFunction("UpdateFMActivePolyPoints"),
    awaitedObject("SetActiveItem"),
    commandObject<CCmdAssociatePatternsPoints>("AssociatePatternsPoints"),
    commandObject<CCmdAssociatePatterns>("AssociatePatterns"),
    awaitedObject("ClearPointsAssociations"),
    commandObject<CCmdRecalculateGrading>("RecalculateGrading"),
    awaitedObject("ActivateNextPatternPoint"),
    awaitedFunction("LoadGradePathPoints"),
    awaitedObject("UpdatePathGrading"),
    awaitedObject("SetEditMaskPatterns"),
    commandObject<CCmdSetInteractiveMode>("SetInteractiveMode"),
    awaitedObject("PlaceSelectedPatterns"),
    awaitedObject("UnplaceSelectedPatterns"),
    commandObject<CCmdAssociatePatternPoints>("AssociatePatternPoints"),
    commandObject<CCmdAssociatePattern>("AssociatePattern"),
    commandObject<CCmdAssociateSelectedPatterns>("AssociateSelectedPatterns"),
    awaitedObject("ClearSelectedPatternsAssociations"),
    awaitedObject("ClearPatternAssociation"),
    awaitedObject("ClearPatternsAssociation"),
    awaitedObject("ClearPointAssociation"),
    awaitedObject("ClearPatternPointsAssociation"),
    awaitedObject("ClearPatternsPointsAssociation"),
    awaitedObject("EditPatternsAssociations"),
    awaitedObject("EditPatternPointsAssociations"),
    awaitedObject("EditPointsAssociation"),
    awaitedFunction("AddDartFormula"),
    awaitedObject("EditBaseFormula"),
    awaitedObject("InsertBaseFormula"),
    awaitedObject("ChangeRegionFormulaType"),
    commandObject<CCmdShowGrading>("ShowGrading"),
    awaitedObject("ShowInputPatterns"),
    awaitedObject("ShowGuidePatterns"),
    awaitedFunction("AddLapelFormula"),
    awaitedObject("EditInputPatternFormula"),
    awaitedFunction("UpdateGradePathSize"),
    awaitedObject("AddPointAssociation"),
    awaitedObject("AddPointAssList"),
    awaitedFunction("ClearInteractiveMode"),
    awaitedObject("UpdatePointGrading"),
    awaitedFunction("RemoveLastFocusPoint"),
    commandObject<CCmdSaveModifiedMask>("SaveModifiedMask"),
    awaitedFunction("UpdateMovement"),
    awaitedFunction("ChangeViewCenter"),
    awaitedObject("MoveFormula"),
    commandObject<CCmdAutoPlacePatterns>("AutoPlacePatterns"),
    awaitedObject("DeletePoint"),
    awaitedObject("InsertPoint"),
    awaitedObject("CombinePolylinesAtPoint"),
    awaitedObject("SplitPolyline"),
    awaitedObject("ClosePolyline"),
    awaitedObject("UpdateAssRule"),
    awaitedObject("UpdatePointAss"),
    awaitedObject("RotateItem"),
    awaitedObject("RemoveFocusFromSelection"),
    awaitedObject("AddFocusToSelection"),
    awaitedObject("CopyFocusPolyline"),
    awaitedFunction("LoadAllPatternPolylinesToFocusMgr"),
    awaitedObject("AddFocusPolylineToContour"),
    awaitedObject("DeleteMaskPolyline"),
    awaitedFunction("UpdateFMActivePolylines"),
    awaitedObject("AddFocusPolyline"),
    awaitedObject("AddToSelection"),
    awaitedObject("FlipObjectList"),
    awaitedObject("RotateObjectList"),
    awaitedObject("MoveSelectedItems"),
    awaitedObject("UpdateFrameRect"),
    awaitedObject("InitializeFrameRect"),
    awaitedObject("UpdateSelectionFromFrameRect"),
    commandObject<CCmdZoomToRect>("ZoomToRect"),
    commandObject<CCmdZoomOut>("ZoomOut"),
    commandObject<CCmdZoomIn>("ZoomIn"),
    awaitedObject("CopySelectedObjects"),
    awaitedObject("PasteObjects"),
    awaitedObject("CutSelectedObjects"),
    awaitedFunction("UpdateActiveSizePathFocused"),
    commandObject<CCmdClearPatternsGrading>("ClearPatternsGrading"),
    awaitedObject("AddTwoPointsPolyline"),
    awaitedFunction("LoadActiveMaskPatternToFM"),
    awaitedObject("AutoSelectNextContourLine"),
    awaitedObject("UpdateRectFocusPoints"),
    awaitedObject("AddPointAss"),
    awaitedFunction("UpdateActivePointAssFocus"),
    awaitedFunction("UpdateNoActivePointAssFocus"),
    awaitedFunction("HideFrameRect"),
    awaitedObject("DeleteSelectedItems"),
    awaitedObject("EditPointRules"),
    awaitedObject("AddContourFocusPolyline"),
    awaitedFunction("UpdateFMNoActivePolylinesAndPoints"),
    awaitedFunction("UpdateFMRotateSelection"),
    awaitedFunction("UpdateFMPivotPoint"),
    awaitedObject("RotateSelectedItems"),
};

constexpr MaskTemplateEntry kTemplates[] = {
    taskTemplate<MainTaskDefinition>("MainTask"),
    awaitedTemplate("SelectContourPolylinesTask"),
    awaitedTemplate("SelectPolylinesTask"),
    awaitedTemplate("EditPointAssTask"),
    awaitedTemplate("PathDefinitionTask"),
    awaitedTemplate("SelectPatternPointTask"),
    awaitedTemplate("MeasureLineLength"),
    awaitedTemplate("MeasureDistanceTask"),
    awaitedTemplate("AddRegionThreePointsTask"),
    awaitedTemplate("AddGradeRegionTwoPointsTask"),
    awaitedTemplate("AddRectangleRegionTask"),
    awaitedTemplate("AddRegionHTask"),
    awaitedTemplate("AddRegionVTask"),
    awaitedTemplate("RectangleFrameTask"),
    awaitedTemplate("MultiSelectionTask"),
    awaitedTemplate("MovePivotPointTask"),
    awaitedTemplate("AssociatePointsTask"),
    awaitedTemplate("MoveRegionTask"),
    awaitedTemplate("MovePatternTask"),
    awaitedTemplate("RotateSelectionTask"),
    awaitedTemplate("MoveViewHistoryTask"),
    awaitedTemplate("ZoomToRectHistoryTask"),
    awaitedTemplate("AddTwoPointsPolylineTask"),
    awaitedTemplate("ZoomRectTask"),
    awaitedTemplate("MoveSelectionTask"),
    awaitedTemplate("CreateContourTask"),
    awaitedTemplate("CopyPolylineTask"),
    awaitedTemplate("AssociatePointTask"),
    awaitedTemplate("MoveViewTask"),
    awaitedTemplate("ModifyGradePointTask"),
    awaitedTemplate("AddLapelFormulaTask"),
    awaitedTemplate("ModifyPathGradeTask"),
    awaitedTemplate("AddPathTask"),
    awaitedTemplate("ChangeRegionDirectionToParallelTask"),
    awaitedTemplate("AddDartsFormulaTask"),
    awaitedTemplate("MeasureTask"),
    awaitedTemplate("AddRegionTask"),
    awaitedTemplate("MoveCenterTask"),
    taskTemplate<IdleTaskDefinition>("IdleTask"),
};

} // namespace

std::span<const MaskCommandEntry> maskCommandEntries()
{
    return kCommands;
}

std::span<const MaskTemplateEntry> maskTemplateEntries()
{
    return kTemplates;
}

} // namespace morvane
