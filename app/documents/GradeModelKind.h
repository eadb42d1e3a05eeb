// Morvane program documents.
// The kinds of grade model the program knows, by the number it stores and passes them with.
#pragma once

/// Where a grade model comes from. The numbers are stored (workspaces, batch codes) and passed
/// as plain ints: they never change.
enum GRADE_MODEL_KIND : int {
    /// No model loaded.
    GMK_NONE = 0,
    /// Grade masks read as a model source ("*.msk"), from the plug-in libostrel.so.
    GMK_MASK_FILES = 1,
    /// AAMA DXF files ("*.dxf"), from the linked AAMA grade model.
    GMK_AAMA = 2,
    /// Model files ("*.mdl"), from the plug-in libwendrake.so.
    GMK_MODEL_FILES = 3,
    /// The model of the client program that started this one, from the plug-in
    /// libwendrakewrapper.so.
    GMK_CLIENT_PROGRAM = 4,
    /// The main document's own client grade model, filled by an automation client; never loaded
    /// or released by the loader.
    GMK_CLIENT_MODEL = 5,
};
