// Morvane interactive tasks.
// The chart of "MainTask": it waits until its mask is active, then runs "IdleTask" and starts
// every other tool from there.
#include "app/taskdefs/MainTask.h"

#include "tasks/ICommandAttributes.h"

namespace morvane {

namespace {

// The variables that every tool shares. Only the tool's own "pFocusManager" is set: the main
// task's stays "0", for sub-tasks to read.
constexpr VariableRow kVariables[] = {
    {"bAutoMove", "0", kVisibleWritable},
    {"repeat", "1", kVisibleWritable},
    {"repeatAdd", "0", kVisibleWritable},
    {"bIsActiveFocused", "0", kVisibleWritable},
    {"nFocusObjectType", "8", kVisibleWritable},
    {"nActiveObjectType", "0", kVisibleWritable},
    {"bPivotPointFocus", "0", kVisibleWritable},
    {"dx", "0", kVisibleWritable},
    {"dy", "0", kVisibleWritable},
    {"addRegionMode", "0", kVisibleWritable},
    {"nSnapMode", "0", kVisibleWritable},
    {"nMeasureMode", "0", kVisibleWritable},
    {"nFocusDetailType", "0", kVisibleWritable},
    {"EditToolMode", "0", kVisibleWritable},
    {"nSelectionMode", "0", kVisibleWritable},
    {"dist", "0", kVisibleWritable},
    {"pFocusManager", "0", kVisibleReadOnly},
    {"bModifyAllSizes", "0", kVisibleWritable},
    {"control", "0", kVisibleWritable},
    {"shift", "0", kVisibleWritable},
    {"repeatMoveView", "0", kVisibleWritable},
    {"repeatZoomRectangle", "0", kVisibleWritable},
    {"bIsMaskItemFocused", "0", kVisibleWritable},
    {"bAllActiveFromMask", "0", kVisibleWritable},
    {"bAutoRotate", "0", kVisibleWritable},
};

// Sub-task states run the template of the same name. "MoveViewTask" and "ZoomRectTask" are
// entered by no transition here: the two history tools run instances of their own.
constexpr StateRow kStates[] = {
    {"Entry", StateType::Entry, 0},
    {"IdleTask", StateType::SubTask, 1},
    {"MoveCenterTask", StateType::SubTask, 2, {}, "UndoCurrentTask"},
    {"AddRegionTask", StateType::SubTask, 3, {}, "ReleaseCapture"},
    {"MeasureTask", StateType::SubTask, 4},
    {"AddDartsFormulaTask", StateType::SubTask, 5},
    {"ChangeRegionDirectionToParallelTask", StateType::SubTask, 6, {}, "ReleaseCapture"},
    {"AddPathTask", StateType::SubTask, 7},
    {"ChangeRegionDirectionToParallelExitState", StateType::Plain, 8, "ClearMeasure"},
    {"ModifyPathGradeTask", StateType::SubTask, 9},
    {"IdleCommandState", StateType::Plain, 10},
    {"AddLapelFormulaTask", StateType::SubTask, 11},
    {"ModifyGradePointTask", StateType::SubTask, 12},
    {"MoveViewTask", StateType::SubTask, 13},
    {"NotActiveState", StateType::Plain, 14},
    {"AssociatePointTask", StateType::SubTask, 15},
    {"CopyPolylineTask", StateType::SubTask, 16},
    {"CreateContourTask", StateType::SubTask, 17},
    {"MoveSelectionTask", StateType::SubTask, 18, {}, "ReleaseCapture"},
    {"ZoomRectTask", StateType::SubTask, 19},
    {"AddTwoPointsPolylineTask", StateType::SubTask, 20},
    {"ZoomToRectHistoryTask", StateType::SubTask, 21},
    {"MoveViewHistoryTask", StateType::SubTask, 22},
    {"RotateSelectionTask", StateType::SubTask, 23, {}, "ReleaseCapture"},
    {"MoveRegionTask", StateType::SubTask, 24},
    {"AssociatePointsTask", StateType::SubTask, 25},
    {"MovePivotPointTask", StateType::SubTask, 26},
};

// Grouped by source state; within a state, in the order they are tried. The undo commands on
// the transitions from a tool's state act on that tool's own steps, not on the mask's history.
constexpr TransitionRow kTransitions[] = {
    {"Entry", "", "", "NotActiveState"},

    {"IdleTask", "OnCancel", "bAutoMove", "IdleTask", "ClearInteractiveMode"},
    {"IdleTask", "OnMoveCenter", "", "MoveCenterTask"},
    {"IdleTask", "OnRButtonUpD", "nFocusObjectType!=0;bIsActiveFocused=0",
     "IdleTask", "SetActiveObject"},
    {"IdleTask", "OnAddRegion", "", "AddRegionTask"},
    {"IdleTask", "OnMeasure", "", "MeasureTask"},
    {"IdleTask", "ShowPopupMenu", "", "IdleTask", "ShowPopupMenu"},
    {"IdleTask", "UnPlacePattern", "", "IdleTask", "UnPlacePattern"},
    {"IdleTask", "PlacePattern", "", "IdleTask", "PlacePattern"},
    {"IdleTask", "LoadMask", "", "IdleTask", "LoadMask"},
    {"IdleTask", "NewGradeMask", "", "IdleTask", "NewGradeMask"},
    {"IdleTask", "PlaceAllPatterns", "", "IdleTask", "PlaceAllPatterns"},
    {"IdleTask", "UnplaceAllPatterns", "", "IdleTask", "UnplaceAllPatterns"},
    {"IdleTask", "LimitLeft", "", "IdleTask", "LimitLeft"},
    {"IdleTask", "LimitRight", "", "IdleTask", "LimitRight"},
    {"IdleTask", "LimitHeight", "", "IdleTask", "LimitHeight"},
    {"IdleTask", "UnlimitLeft", "", "IdleTask", "UnlimitLeft"},
    {"IdleTask", "UnlimitRight", "", "IdleTask", "UnlimitRight"},
    {"IdleTask", "UnlimitHeight", "", "IdleTask", "UnlimitHeight"},
    {"IdleTask", "UpdateRegion", "", "IdleTask", "UpdateRegion"},
    {"IdleTask", "UpdateFormula", "", "IdleTask", "UpdateFormula"},
    {"IdleTask", "SetMaskCenter", "", "IdleTask", "SetMaskCenter"},
    {"IdleTask", "UpdatePattern", "", "IdleTask", "UpdatePattern"},
    {"IdleTask", "DeleteRegion", "", "IdleTask", "DeleteRegion"},
    {"IdleTask", "FlipRegion", "", "IdleTask", "FlipRegion"},
    {"IdleTask", "CopyPatternToMask", "", "IdleTask", "CopyPatternToMask"},
    {"IdleTask", "DeletePatternFromMask", "", "IdleTask", "DeletePatternFromMask"},
    {"IdleTask", "SaveGradeMask", "", "IdleTask", "SaveGradeMask"},
    {"IdleTask", "AddFormula", "", "IdleTask", "AddFormula"},
    {"IdleTask", "DeleteFormula", "", "IdleTask", "DeleteFormula"},
    {"IdleTask", "ShowMaskRegions", "", "IdleTask", "ShowMaskRegions"},
    {"IdleTask", "OnAddDartsFormula", "", "AddDartsFormulaTask"},
    {"IdleTask", "OnPathDefiniton", "", "AddPathTask"},
    {"IdleTask", "DuplicateRegion", "", "IdleTask", "DuplicateRegion"},
    {"IdleTask", "OnChangeRegionDirectionToParallel", "nActiveObjectType=3",
     "ChangeRegionDirectionToParallelTask"},
    {"IdleTask", "SetPointFilter", "", "IdleTask", "SetPointFilter"},
    {"IdleTask", "ActivateNextPatternPoint", "", "IdleTask", "ActivateNextPatternPoint"},
    {"IdleTask", "AssociatePatternsPoints", "", "IdleCommandState", "AssociatePatternsPoints"},
    {"IdleTask", "AssociatePatterns", "", "IdleCommandState", "AssociatePatterns"},
    {"IdleTask", "ClearPointsAssociations", "", "IdleCommandState", "ClearPointsAssociations"},
    {"IdleTask", "RecalculateGrading", "", "IdleCommandState", "RecalculateGrading"},
    {"IdleTask", "SetActiveItem", "", "IdleCommandState", "SetActiveItem"},
    {"IdleTask", "SetEditMaskPatterns", "", "IdleCommandState", "SetEditMaskPatterns"},
    {"IdleTask", "SetInteractiveMode", "", "IdleCommandState", "SetInteractiveMode"},
    {"IdleTask", "OnModifyGradePath", "enabled", "ModifyPathGradeTask"},
    {"IdleTask", "UnplaceSelectedPatterns", "", "IdleCommandState", "UnplaceSelectedPatterns"},
    {"IdleTask", "PlaceSelectedPatterns", "", "IdleCommandState", "PlaceSelectedPatterns"},
    {"IdleTask", "AssociatePattern", "", "IdleCommandState", "AssociatePattern"},
    {"IdleTask", "AssociatePatternPoints", "", "IdleCommandState", "AssociatePatternPoints"},
    {"IdleTask", "ClearSelectedPatternsAssociations", "",
     "IdleCommandState", "ClearSelectedPatternsAssociations"},
    {"IdleTask", "ClearPatternAssociation", "", "IdleCommandState", "ClearPatternAssociation"},
    {"IdleTask", "ClearPatternsAssociation", "", "IdleCommandState", "ClearPatternsAssociation"},
    {"IdleTask", "ClearPointAssociation", "", "IdleCommandState", "ClearPointAssociation"},
    {"IdleTask", "ClearPatternPointsAssociation", "",
     "IdleCommandState", "ClearPatternPointsAssociation"},
    {"IdleTask", "ClearPatternsPointsAssociation", "",
     "IdleCommandState", "ClearPatternsPointsAssociation"},
    {"IdleTask", "EditPatternsAssociations", "", "IdleCommandState", "EditPatternsAssociations"},
    {"IdleTask", "EditPatternPointsAssociations", "",
     "IdleCommandState", "EditPatternPointsAssociations"},
    {"IdleTask", "FlipPattern", "", "IdleTask", "FlipPattern"},
    {"IdleTask", "ChangePatternPosition", "", "IdleTask", "ChangePatternPosition"},
    {"IdleTask", "ChangePatternAngle", "", "IdleTask", "ChangePatternAngle"},
    {"IdleTask", "CopyPatternsToMask", "", "IdleTask", "CopyPatternsToMask"},
    {"IdleTask", "DeletePatternsFromMask", "", "IdleTask", "DeletePatternsFromMask"},
    {"IdleTask", "Undo", "", "IdleCommandState", "Undo"},
    {"IdleTask", "EditBaseFormula", "", "IdleCommandState", "EditBaseFormula"},
    {"IdleTask", "InsertBaseFormula", "", "IdleCommandState", "InsertBaseFormula"},
    {"IdleTask", "ChangeRegionFormulaType", "", "IdleCommandState", "ChangeRegionFormulaType"},
    {"IdleTask", "OnAddLapelFormula", "", "AddLapelFormulaTask"},
    {"IdleTask", "ShowGrading", "", "IdleCommandState", "ShowGrading"},
    {"IdleTask", "ShowInputPatterns", "", "IdleCommandState", "ShowInputPatterns"},
    {"IdleTask", "ShowGuidePatterns", "", "IdleCommandState", "ShowGuidePatterns"},
    {"IdleTask", "OnExitApp", "", "IdleCommandState"},
    {"IdleTask", "EditInputPatternFormula", "", "IdleCommandState", "EditInputPatternFormula"},
    {"IdleTask", "AddPointAssociation", "", "IdleCommandState", "AddPointAssociation"},
    {"IdleTask", "AddPointAssList", "", "IdleCommandState", "AddPointAssList"},
    {"IdleTask", "OnModifyGradePoint", "enabled", "ModifyGradePointTask"},
    {"IdleTask", "SaveModifiedMask", "", "IdleCommandState", "SaveModifiedMask"},
    {"IdleTask", "MoveFormula", "", "IdleCommandState", "MoveFormula"},
    {"IdleTask", "AutoPlacePatterns", "", "IdleCommandState", "AutoPlacePatterns"},
    {"IdleTask", "DeletePoint", "", "IdleCommandState", "DeletePoint"},
    {"IdleTask", "InsertPoint", "", "IdleCommandState", "InsertPoint"},
    {"IdleTask", "CombinePolylinesAtPoint", "", "IdleCommandState", "CombinePolylinesAtPoint"},
    {"IdleTask", "SplitPolyline", "", "IdleCommandState", "SplitPolyline"},
    {"IdleTask", "ClosePolyline", "", "IdleCommandState", "ClosePolyline"},
    {"IdleTask", "UpdateAssRule", "", "IdleCommandState", "UpdateAssRule"},
    {"IdleTask", "OnDeactivate", "", "NotActiveState"},
    {"IdleTask", "OnAssociatePoint", "", "AssociatePointTask"},
    {"IdleTask", "RotateItem", "", "IdleCommandState", "RotateItem"},
    {"IdleTask", "OnCopyPolyline", "", "CopyPolylineTask"},
    {"IdleTask", "OnCreateContour", "", "CreateContourTask"},
    {"IdleTask", "AddToSelection", "", "IdleCommandState", "AddToSelection"},
    {"IdleTask", "FlipObjectList", "", "IdleCommandState", "FlipObjectList"},
    {"IdleTask", "RotateObjectList", "", "IdleCommandState", "RotateObjectList"},
    {"IdleTask", "Redo", "", "IdleCommandState", "Redo"},
    {"IdleTask", "DeleteMaskPolyline", "", "IdleCommandState", "DeleteMaskPolyline"},
    {"IdleTask", "OnMoveSelection", "", "MoveSelectionTask"},
    {"IdleTask", "CopySelectedObjects", "", "IdleCommandState", "CopySelectedObjects"},
    {"IdleTask", "CutSelectedObjects", "", "IdleCommandState", "CutSelectedObjects"},
    {"IdleTask", "PasteObjects", "", "IdleCommandState", "PasteObjects"},
    {"IdleTask", "ClearPatternsGrading", "", "IdleCommandState", "ClearPatternsGrading"},
    {"IdleTask", "OnAddTwoPointsPolyline", "", "AddTwoPointsPolylineTask"},
    {"IdleTask", "OnZoomToRect", "", "ZoomToRectHistoryTask"},
    {"IdleTask", "OnMoveView", "", "MoveViewHistoryTask"},
    {"IdleTask", "OnRotateSelection", "", "RotateSelectionTask"},
    {"IdleTask", "OnEditRegion", "", "MoveRegionTask"},
    {"IdleTask", "OnAssociatePoints", "", "AssociatePointsTask"},
    {"IdleTask", "DeleteSelectedItems", "", "IdleCommandState", "DeleteSelectedItems"},
    {"IdleTask", "EditPointRules", "", "IdleCommandState", "EditPointRules"},
    {"IdleTask", "OnMovePivotPoint", "", "MovePivotPointTask"},

    {"MoveCenterTask", "OnExit", "", "IdleTask"},

    {"AddRegionTask", "OnExit", "repeatAdd=0", "IdleTask"},
    {"AddRegionTask", "OnCancel", "", "IdleTask", "UndoCurrentTask"},
    {"AddRegionTask", "OnExit", "repeatAdd", "AddRegionTask"},
    {"AddRegionTask", "OnAddRegion", "", "AddRegionTask"},
    {"AddRegionTask", "OnZoomToRect", "", "ZoomToRectHistoryTask"},
    {"AddRegionTask", "OnMoveView", "", "MoveViewHistoryTask"},

    {"MeasureTask", "OnCancel", "", "IdleTask", "ClearMeasure"},
    {"MeasureTask", "OnMeasure", "", "MeasureTask"},
    {"MeasureTask", "OnZoomToRect", "", "ZoomToRectHistoryTask"},
    {"MeasureTask", "OnMoveView", "", "MoveViewHistoryTask"},

    {"AddDartsFormulaTask", "OnExit", "", "IdleTask"},
    {"AddDartsFormulaTask", "OnCancel", "", "IdleTask", "UndoCurrentTask"},
    {"AddDartsFormulaTask", "OnAddDartsFormula", "", "IdleTask"},
    {"AddDartsFormulaTask", "OnZoomToRect", "", "ZoomToRectHistoryTask"},
    {"AddDartsFormulaTask", "OnMoveView", "", "MoveViewHistoryTask"},

    {"ChangeRegionDirectionToParallelTask", "OnExit", "",
     "ChangeRegionDirectionToParallelExitState"},
    {"ChangeRegionDirectionToParallelTask", "OnCancel", "",
     "ChangeRegionDirectionToParallelExitState", "UndoCurrentTask"},
    {"ChangeRegionDirectionToParallelTask", "OnZoomToRect", "", "ZoomToRectHistoryTask"},
    {"ChangeRegionDirectionToParallelTask", "OnMoveView", "", "MoveViewHistoryTask"},

    {"AddPathTask", "OnCancel", "", "IdleTask"},
    {"AddPathTask", "OnExit", "", "IdleTask"},
    {"AddPathTask", "OnZoomToRect", "", "ZoomToRectHistoryTask"},
    {"AddPathTask", "OnMoveView", "", "MoveViewHistoryTask"},

    {"ChangeRegionDirectionToParallelExitState", "", "", "IdleTask"},

    {"ModifyPathGradeTask", "OnCancel", "", "IdleTask", "UndoCurrentTask"},
    {"ModifyPathGradeTask", "OnExit", "", "IdleTask"},
    {"ModifyPathGradeTask", "OnZoomToRect", "", "ZoomToRectHistoryTask"},
    {"ModifyPathGradeTask", "OnMoveView", "", "MoveViewHistoryTask"},

    {"IdleCommandState", "", "", "IdleTask"},

    {"AddLapelFormulaTask", "OnExit", "", "IdleTask"},
    {"AddLapelFormulaTask", "OnCancel", "", "IdleTask", "UndoCurrentTask"},
    {"AddLapelFormulaTask", "OnZoomToRect", "", "ZoomToRectHistoryTask"},
    {"AddLapelFormulaTask", "OnMoveView", "", "MoveViewHistoryTask"},

    {"ModifyGradePointTask", "OnCancel", "", "IdleTask", "UndoCurrentTask"},
    {"ModifyGradePointTask", "OnExit", "", "IdleTask"},
    {"ModifyGradePointTask", "OnZoomToRect", "", "ZoomToRectHistoryTask"},
    {"ModifyGradePointTask", "OnMoveView", "", "MoveViewHistoryTask"},

    {"NotActiveState", "OnActivate", "", "IdleTask"},
    {"NotActiveState", "SaveModifiedMask", "", "NotActiveState", "SaveModifiedMask"},

    {"AssociatePointTask", "OnCancel", "", "IdleTask"},
    {"AssociatePointTask", "OnExit", "", "AssociatePointTask"},
    {"AssociatePointTask", "OnZoomToRect", "", "ZoomToRectHistoryTask"},
    {"AssociatePointTask", "OnMoveView", "", "MoveViewHistoryTask"},

    {"CopyPolylineTask", "OnCancel", "", "IdleTask"},
    {"CopyPolylineTask", "OnExit", "", "IdleTask"},
    {"CopyPolylineTask", "OnCopyPolylinesFinished", "", "IdleTask"},
    {"CopyPolylineTask", "OnZoomToRect", "", "ZoomToRectHistoryTask"},
    {"CopyPolylineTask", "OnMoveView", "", "MoveViewHistoryTask"},

    {"CreateContourTask", "OnExit", "", "IdleTask"},
    {"CreateContourTask", "OnCancel", "", "IdleTask"},
    {"CreateContourTask", "OnContourFinished", "", "IdleTask"},
    {"CreateContourTask", "OnZoomToRect", "", "ZoomToRectHistoryTask"},
    {"CreateContourTask", "OnMoveView", "", "MoveViewHistoryTask"},

    {"MoveSelectionTask", "OnExit", "", "IdleTask"},
    {"MoveSelectionTask", "OnCancel", "", "IdleTask", "UndoCurrentTask"},

    {"AddTwoPointsPolylineTask", "OnExit", "", "IdleTask"},
    {"AddTwoPointsPolylineTask", "OnCancel", "", "IdleTask"},
    {"AddTwoPointsPolylineTask", "OnZoomToRect", "", "ZoomToRectHistoryTask"},
    {"AddTwoPointsPolylineTask", "OnMoveView", "", "MoveViewHistoryTask"},

    {"RotateSelectionTask", "OnExit", "", "IdleTask"},
    {"RotateSelectionTask", "OnCancel", "", "IdleTask", "UndoCurrentTask"},

    {"MoveRegionTask", "OnExit", "", "IdleTask"},
    {"MoveRegionTask", "OnCancel", "", "IdleTask", "UndoCurrentTask"},

    {"AssociatePointsTask", "OnCancel", "", "IdleTask"},
    {"AssociatePointsTask", "OnExit", "", "AssociatePointsTask"},

    {"MovePivotPointTask", "OnExit", "", "IdleTask", "ClearCurrentUndoTask"},
    {"MovePivotPointTask", "OnCancel", "", "IdleTask", "UndoCurrentTask"},
};

} // namespace

const ChartDeclaration &mainTaskChart()
{
    static constexpr ChartDeclaration chart{
        {.undoEnabled = true, .sharedUndo = false}, kVariables, kStates, kTransitions};
    return chart;
}

} // namespace morvane
