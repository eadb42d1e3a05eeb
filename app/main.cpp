// Morvane program.
// The entry point: the application object runs the program and gives its exit code.
#include "app/program/MorvaneApp.h"

int main(int argc, char **argv)
{
    CMorvaneApp application(argc, argv);
    return application.Run();
}
