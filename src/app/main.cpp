// quillmere-gift: the jigsaw player that carries its puzzle inside its own file.
#include "app/application.h"

int main(int argc, char** argv) { return quill::RunPlayer(argc, argv); }
