// Morvane editing commands: pattern association.
// The parameters of a pattern association and of a point association, with their defaults.
#pragma once

/// How patterns are associated (copied by value into commands and the contour-set matcher).
struct PatternAssociationParams
{
    /// 0 one-to-one, 1 multiple.
    int type = 0;
    /// Percent by which two contours' sizes may differ and still be compared.
    double maxSizeDissimilarity = 40.0;
    /// Percent: the largest cost of a pair under one-to-one association.
    double maxShapeError = 15.0;
    /// Percent: the largest cost of a pair under multiple association.
    double maxShapeErrorMulti = 15.0;
    /// The cost: 0 overlap area, 1 optimum position, 2 curve distance.
    int method = 0;
};

/// How the points of two associated patterns are paired.
struct PointAssociationParams
{
    /// The largest shift along the contour, millimetres.
    double shiftMatch = 100.0;
    double shiftFactor = 0.5;
    /// The corner angle tolerance, degrees.
    double cornerAngleMatch = 60.0;
    double cornerFactor = 0.5;
    /// Only mask points that some formula of the mask uses are associated.
    bool onlyFormulaPoints = true;
    bool compareNotches = false;
    bool localConv = false;
    /// The tangent angle tolerance, degrees.
    double tangentAngleMatch = 45.0;
    /// Percent: the largest cost of a contour pair whose points are associated.
    double maxShapeError = 15.0;
    /// 0 point correspondence, 1 shape context.
    int pointAssType = 0;
};
