// The Ordinary Butterfly plug-in (weave_epsilon): the butterfly with n + 1 levels and open ends.
#include <wx/frame.h>

#include "ButterflyModule.h"
#include "weavekit/Plugin.h"

// IPlugin comes first so that the object and its IPlugin part share one address; the frame
// part is never created as a window.
class OrdinaryButterfly : public IPlugin, public wxFrame
{
public:
    explicit OrdinaryButterfly(IPluginManager* manager_) : IPlugin(manager_) {}

    void Activate(IPluginManager* manager_) override { butterfly::ActivateControls(manager_, false); }
    void GetNetwork(PointList* points, LineList* lines) override { butterfly::FillNetwork(points, lines, false); }
    void GetCameraDefaults(double* polarAngle, double* azimuth, int* distance) override
    {
        *polarAngle = 0.01;
        *azimuth = -1.57;
        *distance = 420;
    }
    wxString GetName() override { return "Ordinary Butterfly"; }

    ~OrdinaryButterfly() override { butterfly::ReleaseControls(); }
};

WEAVE_PLUGIN_API IPlugin* CreatePlugin(IPluginManager* manager)
{
    return new OrdinaryButterfly(manager);
}
