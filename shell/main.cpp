// The game: the real window, then the program. It reads no command line.
#include <memory>

#include "platform/window_backend.h"
#include "shell/startup.h"

int main() {
    platform::InstallBackend(std::make_unique<platform::WindowBackend>());
    return shell::RunProgram();
}
