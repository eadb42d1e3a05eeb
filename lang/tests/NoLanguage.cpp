// Morvane language resources, tests.
// A shared library named like a language library but holding no texts.
extern "C" int morvane_not_a_language()
{
    return 0;
}
