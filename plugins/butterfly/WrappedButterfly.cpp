// The Wrapped Butterfly plug-in (weave_delta): the butterfly whose last level joins back to level 0.
#include <wx/frame.h>

#include "ButterflyModule.h"
#include "weavekit/Plugin.h"

// IPlugin comes first so that the object and its IPlugin part share one address; the frame
// part is never created as a window.
class WrappedButterfly : public IPlugin, public wxFrame
{
public:
    explicit WrappedButterfly(IPluginManager* manager_) : IPlugin(manager_) {}

    void Activate(IPluginManager* manager_) override { butterfly::ActivateControls(manager_, true); }
    void GetNetwork(PointList* points, LineList* lines) override { butterfly::FillNetwork(points, lines, true); }
    void GetCameraDefaults(double* polarAngle, double* azimuth, int* distance) override
    {
        *polarAngle = 0.01;
        *azimuth = -1.57;
        *distance = 340;
    }
    wxString GetName() override { return "Wrapped Butterfly"; }

    ~WrappedButterfly() override { butterfly::ReleaseControls(); }
};

WEAVE_PLUGIN_API IPlugin* CreatePlugin(IPluginManager* manager)
{
    return new WrappedButterfly(manager);
}
