// The contract between the host and a network plug-in.
#pragma once

#include <wx/string.h>

#include "weavekit/Export.h"
#include "weavekit/Records.h"

class wxSizer;
class wxWindow;

// Implemented by the host's main window; a plug-in reaches the host only through this.
class IPluginManager
{
public:
    virtual wxSizer* GetParameterSizer() = 0;
    virtual wxWindow* GetMainWindow() = 0;
    virtual void RebuildScene() = 0;
    virtual void ReloadNetwork() = 0;
    virtual void ResetAnimation() = 0;
    virtual void ResetAnimationParts(bool resetTime, bool resetDrawing) = 0;
};

// Implemented by every plug-in class, as its first base. No destructor is declared here:
// the host releases plug-in objects without running plug-in code.
class IPlugin
{
public:
    explicit IPlugin(IPluginManager* manager_) : manager(manager_) {}

    virtual void Activate(IPluginManager* manager) = 0;
    virtual void GetNetwork(PointList* points, LineList* lines) = 0;
    virtual void GetCameraDefaults(double* polarAngle, double* azimuth, int* distance) = 0;
    virtual wxString GetName() = 0;

    IPluginManager* manager;
};

// Frees a plug-in object made by CreatePlugin without running any of the plug-in's own code
// (IPlugin has no destructor on purpose); the toolkit's frame base, if any, is destroyed.
WEAVEKIT_API void ReleasePlugin(IPlugin* plugin);

// Every plug-in library exports this, unmangled, as "CreatePlugin".
typedef IPlugin* (*CreatePluginFunction)(IPluginManager* manager);
#define WEAVE_CREATE_PLUGIN_SYMBOL "CreatePlugin"
