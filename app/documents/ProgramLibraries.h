// Morvane program documents.
// The libraries the program loads by name, freed in the order its exit needs.
#pragma once

class CLanguageLibrary;

/// What the program's exit frees: the grade-model plug-ins first, then the language library, so
/// that a plug-in still finds the program's texts while it ends.
void FreeProgramLibraries(CLanguageLibrary &language);
