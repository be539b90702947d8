#include "programs/pontel/pontel.h"
#include "window/tform1.h"

int main(int argc, char** argv)
{
    return RunProgram(argc, argv, PontelLayout(), PontelModel);
}
