// Morvane interactive tasks.
// The commands and task templates that every grade mask's task manager registers, in order.
#include "app/taskdefs/MaskRegistrations.h"

#include "app/commands/CmdAddFocusToSelection.h"
#include "app/commands/CmdAddToSelection.h"
#include "app/commands/CmdAssociatePatternsPoints.h"
#include "app/commands/CmdAssociateSelectedPatterns.h"
#include "app/commands/CmdAutoPlacePatterns.h"
#include "app/commands/CmdClearPatternsGrading.h"
#include "app/commands/CmdClipboardCommands.h"
#include "app/commands/CmdCopyPatternsToMask.h"
#include "app/commands/CmdDeleteSelectedItems.h"
#include "app/commands/CmdFindFocusObject.h"
#include "app/commands/CmdLoadMask.h"
#include "app/commands/CmdPlacePatterns.h"
#include "app/commands/CmdRecalculateGrading.h"
#include "app/commands/CmdSaveGradeMask.h"
#include "app/commands/CmdSaveModifiedMask.h"
#include "app/commands/CmdSelectionTransforms.h"
#include "app/commands/CmdSetActiveItem.h"
#include "app/commands/CmdSetInteractiveMode.h"
#include "app/commands/CmdSetMaskCenter.h"
#include "app/commands/CmdSetPointFilter.h"
#include "app/commands/CmdShowGrading.h"
#include "app/commands/CmdShowInputPatterns.h"
#include "app/commands/CmdUpdateFrameRect.h"
#include "app/commands/CmdUpdatePattern.h"
#include "app/commands/CmdZoom.h"
#include "app/commands/formulas/CmdAddFormula.h"
#include "app/commands/formulas/CmdFormulaList.h"
#include "app/commands/formulas/CmdGradePath.h"
#include "app/commands/formulas/CmdPointGrading.h"
#include "app/commands/formulas/CmdUpdateFormula.h"
#include "app/commands/polylines/CmdActivateNextPatternPoint.h"
#include "app/commands/polylines/CmdAddTwoPointsPolyline.h"
#include "app/commands/polylines/CmdClosePolyline.h"
#include "app/commands/polylines/CmdCombinePolylinesAtPoint.h"
#include "app/commands/polylines/CmdContourFocusPolylines.h"
#include "app/commands/polylines/CmdCopyFocusPolyline.h"
#include "app/commands/polylines/CmdFocusPolylines.h"
#include "app/commands/polylines/CmdRecordedLineEdits.h"
#include "app/commands/regions/CmdAddRegion.h"
#include "app/commands/regions/CmdRegionEdits.h"
#include "app/commands/regions/CmdRegionLimits.h"
#include "app/commands/regions/CmdShapeRegion.h"
#include "app/commands/regions/CmdUpdateRegion.h"
#include "app/taskdefs/DragTasks.h"
#include "app/taskdefs/FocusPresetCommands.h"
#include "app/taskdefs/FormulaFunctionCommands.h"
#include "app/taskdefs/FormulaToolTasks.h"
#include "app/taskdefs/FrameSelectionTasks.h"
#include "app/taskdefs/GradeEditTasks.h"
#include "app/taskdefs/IdleTask.h"
#include "app/taskdefs/MainTask.h"
#include "app/taskdefs/MeasureTasks.h"
#include "app/taskdefs/MoveViewTasks.h"
#include "app/taskdefs/PathFunctionCommands.h"
#include "app/taskdefs/PointFunctionCommands.h"
#include "app/taskdefs/PolylineTools.h"
#include "app/taskdefs/SelectPatternPointTask.h"
#include "app/taskdefs/ToolFunctionCommands.h"
#include "app/taskdefs/ViewFunctionCommands.h"
#include "app/taskdefs/ZoomRectTasks.h"
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
    commandObject<CCmdSetActiveObject>("SetActiveObject"),
    functionCommand("SaveInitialRotAngle", &SaveInitialRotAngle),
    functionCommand("SaveRegionInitialRotAngle", &SaveRegionInitialRotAngle),
    functionCommand("NewGradeMask", &NewGradeMask, CMT_NEW_HISTORY),
    commandObject<CCmdDeleteFormula>("DeleteFormula"),
    commandObject<CCmdAddFormula>("AddFormula"),
    commandObject<CCmdUpdateFormula>("UpdateFormula"),
    commandObject<CCmdMovePattern>("MovePattern"),
    commandObject<CCmdChangePatternPosition>("ChangePatternPosition"),
    commandObject<CCmdRotatePattern>("RotatePattern"),
    commandObject<CCmdChangePatternAngle>("ChangePatternAngle"),
    commandObject<CCmdFlipPattern>("FlipPattern"),
    commandObject<CCmdMovePatternPivotPoint>("MovePatternPivotPoint"),
    commandObject<CCmdMoveRegion>("MoveRegion"),
    commandObject<CCmdRotateRegion>("RotateRegion"),
    commandObject<CCmdFlipRegion>("FlipRegion"),
    commandObject<CCmdDeleteRegion>("DeleteRegion"),
    commandObject<CCmdAddRegionH>("AddRegionH"),
    commandObject<CCmdAddRegionV>("AddRegionV"),
    commandObject<CCmdAddSlopeRegion>("AddSlopeRegion"),
    commandObject<CCmdAddNullRegion>("AddNullRegion"),
    commandObject<CCmdUpdateRectRegion>("UpdateRectRegion"),
    commandObject<CCmdUpdateRectRegionV>("UpdateRectRegionV"),
    commandObject<CCmdMoveMaskCenter>("MoveMaskCenter"),
    commandObject<CCmdPlacePattern>("PlacePattern"),
    commandObject<CCmdUnPlacePattern>("UnPlacePattern"),
    commandObject<CCmdLoadMask>("LoadMask"),
    commandObject<CCmdPlaceAllPatterns>("PlaceAllPatterns"),
    commandObject<CCmdUnplaceAllPatterns>("UnplaceAllPatterns"),
    commandObject<CCmdLimitLeft>("LimitLeft"),
    commandObject<CCmdLimitRight>("LimitRight"),
    commandObject<CCmdLimitHeight>("LimitHeight"),
    commandObject<CCmdUnlimitLeft>("UnlimitLeft"),
    commandObject<CCmdUnlimitRight>("UnlimitRight"),
    commandObject<CCmdUnlimitHeight>("UnlimitHeight"),
    commandObject<CCmdUpdateRegion>("UpdateRegion"),
    commandObject<CCmdFindFocusObject>("FindFocusObject"),
    commandObject<CCmdSetMaskCenter>("SetMaskCenter"),
    commandObject<CCmdUpdatePattern>("UpdatePattern"),
    functionCommand("SetCapture", &SetCapture),
    functionCommand("ReleaseCapture", &ReleaseCapture),
    functionCommand("SaveRegionDelta", &SaveRegionDelta),
    functionCommand("SaveFirstPointDelta", &SaveFirstPointDelta),
    commandObject<CCmdCopyPatternToMask>("CopyPatternToMask"),
    commandObject<CCmdCopyPatternsToMask>("CopyPatternsToMask"),
    commandObject<CCmdDeletePatternFromMask>("DeletePatternFromMask"),
    commandObject<CCmdDeletePatternsFromMask>("DeletePatternsFromMask"),
    commandObject<CCmdSaveGradeMask>("SaveGradeMask"),
    commandObject<CCmdMovePatternToFocusPoint>("MovePatternToFocusPoint"),
    commandObject<CCmdFindFocusLine>("FindFocusLine"),
    functionCommand("UpdateMeasure", &UpdateMeasure),
    functionCommand("InitMeasureObject", &InitMeasureObject),
    functionCommand("FindMeasurePoint", &FindMeasurePoint),
    functionCommand("ClearMeasure", &ClearMeasure),
    functionCommand("ShowPopupMenu", &ShowPopupMenu),
    functionCommand("ShowMaskRegions", &ShowMaskRegions),
    commandObject<CCmdUpdatePointPath>("UpdatePointPath"),
    functionCommand("FindPathPoint", &FindPathPoint),
    functionCommand("SetFirstPathPoint", &SetFirstPathPoint),
    commandObject<CCmdAddPointPath>("AddPointPath"),
    commandObject<CCmdDuplicateRegion>("DuplicateRegion"),
    commandObject<CCmdUpdateBiasRegionAngle>("UpdateBiasRegionAngle"),
    commandObject<CCmdUpdateBiasRegionHeight>("UpdateBiasRegionHeight"),
    functionCommand("ClearFocusPoints", &ClearFocusPoints),
    functionCommand("AddFocusPoint", &AddFocusPoint),
    commandObject<CCmdChangeRegionDirectionToParallel>("ChangeRegionDirectionToParallel"),
    commandObject<CCmdSetPointFilter>("SetPointFilter"),
    functionCommand("UpdateFocusManager", &UpdateFocusManager),
    functionCommand("UpdateFMActivePolyPoints", &UpdateFMActivePolyPoints),
    commandObject<CCmdSetActiveItem>("SetActiveItem"),
    commandObject<CCmdAssociatePatternsPoints>("AssociatePatternsPoints"),
    commandObject<CCmdAssociatePatterns>("AssociatePatterns"),
    awaitedObject("ClearPointsAssociations"),
    commandObject<CCmdRecalculateGrading>("RecalculateGrading"),
    commandObject<CCmdActivateNextPatternPoint>("ActivateNextPatternPoint"),
    functionCommand("LoadGradePathPoints", &LoadGradePathPoints),
    commandObject<CCmdUpdatePathGrading>("UpdatePathGrading"),
    commandObject<CCmdSetEditMaskPatterns>("SetEditMaskPatterns"),
    commandObject<CCmdSetInteractiveMode>("SetInteractiveMode"),
    commandObject<CCmdPlaceSelectedPatterns>("PlaceSelectedPatterns"),
    commandObject<CCmdUnplaceSelectedPatterns>("UnplaceSelectedPatterns"),
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
    functionCommand("AddDartFormula", &AddDartFormula),
    commandObject<CCmdEditBaseFormula>("EditBaseFormula"),
    commandObject<CCmdInsertBaseFormula>("InsertBaseFormula"),
    awaitedObject("ChangeRegionFormulaType"),
    commandObject<CCmdShowGrading>("ShowGrading"),
    commandObject<CCmdShowInputPatterns>("ShowInputPatterns"),
    commandObject<CCmdShowGuidePatterns>("ShowGuidePatterns"),
    functionCommand("AddLapelFormula", &AddLapelFormula),
    commandObject<CCmdEditInputPatternFormula>("EditInputPatternFormula"),
    functionCommand("UpdateGradePathSize", &UpdateGradePathSize),
    awaitedObject("AddPointAssociation"),
    awaitedObject("AddPointAssList"),
    functionCommand("ClearInteractiveMode", &ClearInteractiveMode),
    commandObject<CCmdUpdatePointGrading>("UpdatePointGrading"),
    functionCommand("RemoveLastFocusPoint", &RemoveLastFocusPoint),
    commandObject<CCmdSaveModifiedMask>("SaveModifiedMask"),
    functionCommand("UpdateMovement", &UpdateMovement),
    functionCommand("ChangeViewCenter", &ChangeViewCenter),
    commandObject<CCmdMoveFormula>("MoveFormula"),
    commandObject<CCmdAutoPlacePatterns>("AutoPlacePatterns"),
    commandObject<CCmdDeletePoint>("DeletePoint"),
    awaitedObject("InsertPoint"),
    commandObject<CCmdCombinePolylinesAtPoint>("CombinePolylinesAtPoint"),
    commandObject<CCmdSplitPolyline>("SplitPolyline"),
    commandObject<CCmdClosePolyline>("ClosePolyline"),
    awaitedObject("UpdateAssRule"),
    awaitedObject("UpdatePointAss"),
    commandObject<CCmdRotateItem>("RotateItem"),
    commandObject<CCmdRemoveFocusFromSelection>("RemoveFocusFromSelection"),
    commandObject<CCmdAddFocusToSelection>("AddFocusToSelection"),
    commandObject<CCmdCopyFocusPolyline>("CopyFocusPolyline"),
    functionCommand("LoadAllPatternPolylinesToFocusMgr", &LoadAllPatternPolylinesToFocusMgr),
    commandObject<CCmdAddFocusPolylineToContour>("AddFocusPolylineToContour"),
    commandObject<CCmdDeleteMaskPolyline>("DeleteMaskPolyline"),
    functionCommand("UpdateFMActivePolylines", &UpdateFMActivePolylines),
    commandObject<CCmdAddFocusPolyline>("AddFocusPolyline"),
    commandObject<CCmdAddToSelection>("AddToSelection"),
    commandObject<CCmdFlipObjectList>("FlipObjectList"),
    commandObject<CCmdRotateObjectList>("RotateObjectList"),
    commandObject<CCmdMoveSelectedItems>("MoveSelectedItems"),
    commandObject<CCmdUpdateFrameRect>("UpdateFrameRect"),
    commandObject<CCmdInitializeFrameRect>("InitializeFrameRect"),
    commandObject<CCmdUpdateSelectionFromFrameRect>("UpdateSelectionFromFrameRect"),
    commandObject<CCmdZoomToRect>("ZoomToRect"),
    commandObject<CCmdZoomOut>("ZoomOut"),
    commandObject<CCmdZoomIn>("ZoomIn"),
    commandObject<CCmdCopySelectedObjects>("CopySelectedObjects"),
    commandObject<CCmdPasteObjects>("PasteObjects"),
    commandObject<CCmdCutSelectedObjects>("CutSelectedObjects"),
    functionCommand("UpdateActiveSizePathFocused", &UpdateActiveSizePathFocused),
    commandObject<CCmdClearPatternsGrading>("ClearPatternsGrading"),
    commandObject<CCmdAddTwoPointsPolyline>("AddTwoPointsPolyline"),
    functionCommand("LoadActiveMaskPatternToFM", &LoadActiveMaskPatternToFM),
    commandObject<CCmdAutoSelectNextContourLine>("AutoSelectNextContourLine"),
    commandObject<CCmdUpdateRectFocusPoints>("UpdateRectFocusPoints"),
    awaitedObject("AddPointAss"),
    functionCommand("UpdateActivePointAssFocus", &UpdateActivePointAssFocus),
    functionCommand("UpdateNoActivePointAssFocus", &UpdateNoActivePointAssFocus),
    functionCommand("HideFrameRect", &HideFrameRect),
    commandObject<CCmdDeleteSelectedItems>("DeleteSelectedItems"),
    commandObject<CCmdEditPointRules>("EditPointRules"),
    commandObject<CCmdAddContourFocusPolyline>("AddContourFocusPolyline"),
    functionCommand("UpdateFMNoActivePolylinesAndPoints", &UpdateFMNoActivePolylinesAndPoints),
    functionCommand("UpdateFMRotateSelection", &UpdateFMRotateSelection),
    functionCommand("UpdateFMPivotPoint", &UpdateFMPivotPoint),
    commandObject<CCmdRotateSelectedItems>("RotateSelectedItems"),
};

constexpr MaskTemplateEntry kTemplates[] = {
    taskTemplate<MainTaskDefinition>("MainTask"),
    taskTemplate<CSelectContourPolylinesTask>("SelectContourPolylinesTask"),
    taskTemplate<CSelectPolylinesTask>("SelectPolylinesTask"),
    awaitedTemplate("EditPointAssTask"),
    taskTemplate<CPathDefinitionTask>("PathDefinitionTask"),
    taskTemplate<CSelectPatternPointTask>("SelectPatternPointTask"),
    taskTemplate<CMeasureLineLength>("MeasureLineLength"),
    taskTemplate<CMeasureDistanceTask>("MeasureDistanceTask"),
    awaitedTemplate("AddRegionThreePointsTask"),
    awaitedTemplate("AddGradeRegionTwoPointsTask"),
    awaitedTemplate("AddRectangleRegionTask"),
    awaitedTemplate("AddRegionHTask"),
    awaitedTemplate("AddRegionVTask"),
    taskTemplate<CRectangleFrameTask>("RectangleFrameTask"),
    taskTemplate<CMultiSelectionTask>("MultiSelectionTask"),
    taskTemplate<CMovePivotPointTask>("MovePivotPointTask"),
    awaitedTemplate("AssociatePointsTask"),
    awaitedTemplate("MoveRegionTask"),
    taskTemplate<CMovePatternTask>("MovePatternTask"),
    taskTemplate<CRotateSelectionTask>("RotateSelectionTask"),
    taskTemplate<CMoveViewHistoryTask>("MoveViewHistoryTask"),
    taskTemplate<CZoomToRectHistoryTask>("ZoomToRectHistoryTask"),
    taskTemplate<CAddTwoPointsPolylineTask>("AddTwoPointsPolylineTask"),
    taskTemplate<CZoomRectTask>("ZoomRectTask"),
    taskTemplate<CMoveSelectionTask>("MoveSelectionTask"),
    taskTemplate<CCreateContourTask>("CreateContourTask"),
    taskTemplate<CCopyPolylineTask>("CopyPolylineTask"),
    awaitedTemplate("AssociatePointTask"),
    taskTemplate<CMoveViewTask>("MoveViewTask"),
    taskTemplate<CModifyGradePointTask>("ModifyGradePointTask"),
    taskTemplate<CAddLapelFormulaTask>("AddLapelFormulaTask"),
    taskTemplate<CModifyPathGradeTask>("ModifyPathGradeTask"),
    taskTemplate<CAddPathTask>("AddPathTask"),
    awaitedTemplate("ChangeRegionDirectionToParallelTask"),
    taskTemplate<CAddDartsFormulaTask>("AddDartsFormulaTask"),
    taskTemplate<CMeasureTask>("MeasureTask"),
    awaitedTemplate("AddRegionTask"),
    taskTemplate<CMoveCenterTask>("MoveCenterTask"),
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
