# Finds wxWidgets, Irrlicht, GTK 3 and the test libraries from the system's packages.
find_package(wxWidgets 3.2 REQUIRED COMPONENTS html core base)
add_library(nodeweave_wx INTERFACE)
target_compile_definitions(nodeweave_wx INTERFACE ${wxWidgets_DEFINITIONS} $<$<CONFIG:Debug>:${wxWidgets_DEFINITIONS_DEBUG}>)
target_include_directories(nodeweave_wx SYSTEM INTERFACE ${wxWidgets_INCLUDE_DIRS})
target_compile_options(nodeweave_wx INTERFACE ${wxWidgets_CXX_FLAGS})
target_link_libraries(nodeweave_wx INTERFACE ${wxWidgets_LIBRARIES})

find_path(IRRLICHT_INCLUDE_DIR irrlicht.h PATH_SUFFIXES irrlicht REQUIRED)
find_library(IRRLICHT_LIBRARY NAMES Irrlicht REQUIRED)
add_library(nodeweave_irrlicht INTERFACE)
target_include_directories(nodeweave_irrlicht SYSTEM INTERFACE ${IRRLICHT_INCLUDE_DIR})
target_link_libraries(nodeweave_irrlicht INTERFACE ${IRRLICHT_LIBRARY})

find_package(PkgConfig REQUIRED)
pkg_check_modules(GTK3 REQUIRED IMPORTED_TARGET gtk+-3.0)
find_package(X11 REQUIRED)

find_package(GTest REQUIRED)
find_package(benchmark REQUIRED)
