// quenlov: the window program.
#include "window/program.h"

int main() {
    return RunWindowProgram();
}
