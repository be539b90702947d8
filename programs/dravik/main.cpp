#include "programs/dravik/dravik.h"
#include "window/tform1.h"

int main(int argc, char** argv)
{
    return RunProgram(argc, argv, DravikLayout(), DravikModel);
}
