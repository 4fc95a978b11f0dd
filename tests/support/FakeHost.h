// A stand-in host for plug-in tests: a real frame with a parameter strip, a call log, and
// the host's reload behaviour, so a loaded plug-in library is driven as nodeweave drives it.
#pragma once

#include <memory>
#include <vector>

#include <wx/dynlib.h>
#include <wx/frame.h>
#include <wx/string.h>

#include "weavekit/Plugin.h"

class wxBoxSizer;
class wxComboBox;
class wxSlider;
class wxStaticText;

namespace testsupport
{

class FakeHost : public IPluginManager
{
public:
    FakeHost();
    ~FakeHost();

    // Loads <run folder>/plugins/<file> and creates its plug-in; fails the test if it cannot.
    IPlugin* Load(const wxString& file);
    // What the host does on a menu choice: empty the strip, Activate, lay out, reload.
    void Choose();

    wxSizer* GetParameterSizer() override;
    wxWindow* GetMainWindow() override;
    void RebuildScene() override;
    void ReloadNetwork() override;
    void ResetAnimation() override;
    void ResetAnimationParts(bool resetTime, bool resetDrawing) override;

    // Host calls in order, e.g. "ResetAnimationParts(1,0)", "ReloadNetwork", "RebuildScene".
    std::vector<wxString> calls;
    PointList points;
    LineList lines;

    wxFrame* Frame() const { return m_frame; }
    IPlugin* Plugin() const { return m_plugin; }

    // The plug-in's controls, in creation order, by kind.
    std::vector<wxSlider*> Sliders() const;
    std::vector<wxComboBox*> Lists() const;
    std::vector<wxStaticText*> Texts() const;
    wxStaticText* TextShowing(const wxString& label) const;

    // As a person does it: move a slider and let go, pick an item, type text.
    void MoveSlider(wxSlider* slider, int value);
    void PickItem(wxComboBox* list, const wxString& item);
    static void TypeText(wxComboBox* list, const wxString& text);

    // Runs the plug-in's own destructor (which nodeweave never does) and frees the object,
    // to check what a plug-in's destructor leaves behind.
    void DestroyPluginWithItsDestructor();

    // Reload outside any handler, as after a host command.
    void Reload();

private:
    wxFrame* m_frame;
    wxBoxSizer* m_strip;
    wxDynamicLibrary m_library;
    IPlugin* m_plugin = nullptr;
};

} // namespace testsupport
