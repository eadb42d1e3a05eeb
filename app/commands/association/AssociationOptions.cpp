// Morvane editing commands: pattern association.
// The parameter records of an association filled from the user's options.
#include "app/commands/association/AssociationOptions.h"

#include "app/documents/IOptions.h"

template <class Params>
static bool offerPrompt(const IOptions &options, const char *showOption, Params &params,
                        bool allowDialog, const std::function<bool(Params &)> &prompt)
{
    if (!allowDialog || !options.GetBoolOption(showOption) || !prompt)
        return true;
    return prompt(params);
}

bool GetPatternAssociationParams(const IOptions &options, PatternAssociationParams &params,
                                 bool allowDialog, const PatternParamsPrompt &prompt)
{
    params.type = options.GetIntOption("PATTERN_ASSOCIATION_TYPE");
    params.maxSizeDissimilarity = options.GetDoubleOption("MAX_SIZE_DISSIMILARITY");
    params.maxShapeError = options.GetDoubleOption("MAX_SHAPE_ERROR");
    params.maxShapeErrorMulti = options.GetDoubleOption("MAX_SHAPE_ERROR_MULTI");
    return offerPrompt(options, "SHOW_PATTERN_ASS_DLG", params, allowDialog, prompt);
}

bool GetPointAssociationParams(const IOptions &options, PointAssociationParams &params,
                               bool allowDialog, const PointParamsPrompt &prompt)
{
    params.shiftMatch = options.GetDoubleOption("SHIFT_MATCH_MM");
    params.shiftFactor = options.GetDoubleOption("SHIFT_FACTOR");
    params.cornerAngleMatch = options.GetDoubleOption("CORNER_ANGLE_MATCH");
    params.cornerFactor = options.GetDoubleOption("CORNER_FACTOR");
    params.onlyFormulaPoints = true;
    params.compareNotches = false;
    params.localConv = options.GetBoolOption("LOCAL_CONV");
    params.tangentAngleMatch = options.GetDoubleOption("TANGENT_ANGLE_MATCH");
    params.maxShapeError = options.GetDoubleOption("MAX_SHAPE_ERROR");
    params.pointAssType = options.GetIntOption("POINT_ASS_TYPE");
    return offerPrompt(options, "SHOW_ASSOCIATION_DIALOG", params, allowDialog, prompt);
}
