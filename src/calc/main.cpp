// zarn-calc: the engine's computations from the command line.
#include <cstdio>

int main(int argc, char* argv[])
{
    (void)argc;
    (void)argv;
    std::fprintf(stderr, "usage : zarn-calc COMMANDE [options]\n");
    return 2;
}
