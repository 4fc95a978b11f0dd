// The Hypercube plug-in object: the host's entry points into the weave_alpha library.
#pragma once

#include <wx/frame.h>

#include "weavekit/Plugin.h"

// IPlugin comes first so that the object and its IPlugin part share one address. The frame
// part is never created as a window; all working state lives in the library's module state.
class Hypercube : public IPlugin, public wxFrame
{
public:
    explicit Hypercube(IPluginManager* manager);

    void Activate(IPluginManager* manager) override;
    void GetNetwork(PointList* points, LineList* lines) override;
    void GetCameraDefaults(double* polarAngle, double* azimuth, int* distance) override;
    wxString GetName() override;

    ~Hypercube() override;
};
