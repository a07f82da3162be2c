# Finds SDL 1.2, SDL_image 1.2, SDL_mixer 1.2 and OpenGL with GLU, and wraps the
# image and mixer libraries in imported targets so that targets link them by name.
find_package(SDL REQUIRED)
find_package(SDL_image REQUIRED)
find_package(SDL_mixer REQUIRED)
set(OpenGL_GL_PREFERENCE GLVND)
find_package(OpenGL REQUIRED COMPONENTS OpenGL)

if(NOT TARGET SDL::SDL)
  add_library(SDL::SDL INTERFACE IMPORTED)
  set_target_properties(SDL::SDL PROPERTIES
    INTERFACE_INCLUDE_DIRECTORIES "${SDL_INCLUDE_DIRS}"
    INTERFACE_LINK_LIBRARIES "${SDL_LIBRARIES}")
endif()

if(NOT TARGET Quendralvoss::SDLImage)
  add_library(Quendralvoss::SDLImage UNKNOWN IMPORTED)
  set_target_properties(Quendralvoss::SDLImage PROPERTIES
    IMPORTED_LOCATION "${SDL_IMAGE_LIBRARIES}"
    INTERFACE_INCLUDE_DIRECTORIES "${SDL_IMAGE_INCLUDE_DIRS}"
    INTERFACE_LINK_LIBRARIES SDL::SDL)
endif()

if(NOT TARGET Quendralvoss::SDLMixer)
  add_library(Quendralvoss::SDLMixer UNKNOWN IMPORTED)
  set_target_properties(Quendralvoss::SDLMixer PROPERTIES
    IMPORTED_LOCATION "${SDL_MIXER_LIBRARIES}"
    INTERFACE_INCLUDE_DIRECTORIES "${SDL_MIXER_INCLUDE_DIRS}"
    INTERFACE_LINK_LIBRARIES SDL::SDL)
endif()
