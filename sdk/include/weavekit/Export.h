// Symbol visibility for what weavekit exports to the host and the plug-ins.
#pragma once

#if defined(_WIN32)
#  ifdef WEAVEKIT_BUILDING
#    define WEAVEKIT_API __declspec(dllexport)
#  else
#    define WEAVEKIT_API __declspec(dllimport)
#  endif
#  define WEAVE_PLUGIN_API extern "C" __declspec(dllexport)
#else
#  define WEAVEKIT_API __attribute__((visibility("default")))
#  define WEAVE_PLUGIN_API extern "C" __attribute__((visibility("default")))
#endif
