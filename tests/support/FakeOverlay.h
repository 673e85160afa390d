#pragma once

#include "overlay/OverlayPanel.h"
#include "platform/PermissionService.h"
#include "platform/ScreenService.h"

#include <vector>

namespace kestrel::test {

// Records what the controller does to its panel.
class FakeOverlayPanel final : public OverlayPanel {
public:
    struct Record {
        std::optional<Rect> frame;
        bool isOrderedIn = false;
        int orderFrontCount = 0;
        int orderOutCount = 0;
    };

    explicit FakeOverlayPanel(Record& record) : m_record(record) {}
    void setFrame(const Rect& frame) override { m_record.frame = frame; }
    void orderFrontRegardless() override
    {
        m_record.isOrderedIn = true;
        ++m_record.orderFrontCount;
    }
    void orderOut() override
    {
        m_record.isOrderedIn = false;
        ++m_record.orderOutCount;
    }

private:
    Record& m_record;
};

class FakeOverlayPanelFactory final : public OverlayPanelFactory {
public:
    FakeOverlayPanel::Record panel;
    int panelsMade = 0;

    std::unique_ptr<OverlayPanel> makePanel(OverlayModel&) override
    {
        ++panelsMade;
        return std::make_unique<FakeOverlayPanel>(panel);
    }
};

class FakeScreenService final : public ScreenService {
public:
    std::vector<Screen> screenList;
    std::optional<Screen> main;
    Point pointer;

    std::vector<Screen> screens() const override { return screenList; }
    std::optional<Screen> mainScreen() const override { return main; }
    Point pointerLocation() const override { return pointer; }
};

class FakePermissionService final : public PermissionService {
public:
    bool granted = true;
    // What a request grants: the user's answer to the prompt.
    bool grantOnRequest = false;
    // Whether it asks through the system's dialog, whose answer comes later.
    bool asks = false;
    int requests = 0;
    int settingsOpened = 0;

    bool isInputMonitoringGranted() const override { return granted; }
    bool requestInputMonitoring() override
    {
        ++requests;
        granted = granted || grantOnRequest;
        return granted;
    }
    void openSystemSettings() override { ++settingsOpened; }
    bool asksSystem() const override { return asks; }
};

} // namespace kestrel::test
