// Morvane program documents.
// The libraries the program loads by name, freed in the order its exit needs.
#include "app/documents/ProgramLibraries.h"

#include "app/documents/GradeModelLoader.h"
#include "lang/LanguageLibrary.h"

void FreeProgramLibraries(CLanguageLibrary &language)
{
    FreeGradeModelLibraries();
    language.FreeLanguageLibrary();
}
