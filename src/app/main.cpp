#include "app/application.h"

int main(int argc, char **argv) { return runBrivela(argc, argv); }
