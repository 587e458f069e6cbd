#include "platform/executable_folder.h"

#include <SDL.h>

std::string executableFolder() {
    char* folder = SDL_GetBasePath();
    if (folder == nullptr) return {};
    std::string result(folder);
    SDL_free(folder);
    return result;
}
