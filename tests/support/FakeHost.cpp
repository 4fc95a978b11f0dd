// A stand-in host for plug-in tests: a real frame with a parameter strip, a call log, and
// the host's reload behaviour, so a loaded plug-in library is driven as nodeweave drives it.
#include "FakeHost.h"

#include <gtest/gtest.h>

#include <wx/combobox.h>
#include <wx/sizer.h>
#include <wx/slider.h>
#include <wx/stattext.h>

#include "TestSupport.h"

namespace testsupport
{

FakeHost::FakeHost()
{
    m_frame = new wxFrame(nullptr, wxID_ANY, "fake host", wxDefaultPosition, wxSize(1000, 300));
    wxBoxSizer* outer = new wxBoxSizer(wxVERTICAL);
    m_strip = new wxBoxSizer(wxHORIZONTAL);
    m_strip->SetMinSize(wxSize(-1, 110));
    outer->Add(m_strip, 0, wxEXPAND | wxBOTTOM | wxLEFT | wxRIGHT, 5);
    m_frame->SetSizer(outer);
    m_frame->Show();
}

FakeHost::~FakeHost()
{
    ClearOwned(points);
    ClearOwned(lines);
    m_frame->Destroy();
    Pump();
    // As in nodeweave: the plug-in's storage goes without running its code.
    ReleasePlugin(m_plugin);
    m_library.Unload();
}

IPlugin* FakeHost::Load(const wxString& file)
{
    const wxString path = RunDir() + "/plugins/" + file;
    EXPECT_TRUE(m_library.Load(path, wxDL_DEFAULT)) << path.utf8_str().data();
    if (!m_library.IsLoaded())
        return nullptr;
    CreatePluginFunction create =
        reinterpret_cast<CreatePluginFunction>(m_library.GetSymbol(WEAVE_CREATE_PLUGIN_SYMBOL));
    EXPECT_NE(create, nullptr);
    m_plugin = create ? create(this) : nullptr;
    return m_plugin;
}

void FakeHost::DestroyPluginWithItsDestructor()
{
    if (wxFrame* frame = dynamic_cast<wxFrame*>(m_plugin))
        frame->~wxFrame();   // virtual: the plug-in class's destructor runs first
    ::operator delete(static_cast<void*>(m_plugin));
    m_plugin = nullptr;
}

void FakeHost::Choose()
{
    m_strip->Clear(true);
    ResetAnimation();
    m_plugin->Activate(this);
    m_frame->Layout();
    calls.clear();
    Reload();
    Pump();
}

wxSizer* FakeHost::GetParameterSizer() { return m_strip; }

wxWindow* FakeHost::GetMainWindow() { return m_frame; }

void FakeHost::RebuildScene() { calls.push_back("RebuildScene"); }

void FakeHost::ReloadNetwork()
{
    calls.push_back("ReloadNetwork");
    Reload();
}

void FakeHost::Reload()
{
    ClearOwned(points);
    ClearOwned(lines);
    if (m_plugin)
        m_plugin->GetNetwork(&points, &lines);
}

void FakeHost::ResetAnimation() { calls.push_back("ResetAnimation"); }

void FakeHost::ResetAnimationParts(bool resetTime, bool resetDrawing)
{
    calls.push_back(wxString::Format("ResetAnimationParts(%d,%d)", resetTime ? 1 : 0, resetDrawing ? 1 : 0));
}

namespace
{
template <typename T>
std::vector<T*> ChildrenOf(wxWindow* frame)
{
    std::vector<T*> found;
    for (wxWindow* child : frame->GetChildren())
        if (T* typed = dynamic_cast<T*>(child))
            found.push_back(typed);
    return found;
}
}

std::vector<wxSlider*> FakeHost::Sliders() const { return ChildrenOf<wxSlider>(m_frame); }

std::vector<wxComboBox*> FakeHost::Lists() const { return ChildrenOf<wxComboBox>(m_frame); }

std::vector<wxStaticText*> FakeHost::Texts() const { return ChildrenOf<wxStaticText>(m_frame); }

wxStaticText* FakeHost::TextShowing(const wxString& label) const
{
    for (wxStaticText* text : Texts())
        if (text->GetLabel() == label)
            return text;
    return nullptr;
}

void FakeHost::MoveSlider(wxSlider* slider, int value)
{
    slider->SetValue(value);
    wxScrollEvent changed(wxEVT_SCROLL_CHANGED, slider->GetId(), value, wxHORIZONTAL);
    changed.SetEventObject(slider);
    slider->GetEventHandler()->ProcessEvent(changed);
    Pump();
}

void FakeHost::PickItem(wxComboBox* list, const wxString& item)
{
    const int index = list->FindString(item, true);
    EXPECT_NE(index, wxNOT_FOUND) << item.utf8_str().data();
    list->SetSelection(index);
    wxCommandEvent picked(wxEVT_COMBOBOX, list->GetId());
    picked.SetEventObject(list);
    picked.SetInt(index);
    picked.SetString(item);
    list->GetEventHandler()->ProcessEvent(picked);
    Pump();
}

void FakeHost::TypeText(wxComboBox* list, const wxString& text) { list->ChangeValue(text); }

} // namespace testsupport
