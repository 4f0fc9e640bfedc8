#include "ui/app/TumblaApp.h"

int main(int argc, char** argv) {
    return tumbla::RunTumbla(argc, argv);
}
