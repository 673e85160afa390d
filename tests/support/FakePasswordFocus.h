#pragma once

#include "platform/PasswordFocusService.h"

namespace kestrel::test {

// The accessibility service's reports, sent when the test says so.
struct FakePasswordFocus final : PasswordFocusService {
    FakePasswordFocus() { availability = Availability::available; }
    void setHandler(std::function<void(const FocusReport&)> newHandler) override { handler = std::move(newHandler); }
    void readAccessibilityEnabled() override { ++reads; }
    void setAccessibilityEnabled(bool enabled) override { accessibilityEnabled = enabled; }

    void focused(bool isPasswordField, std::uint64_t control = 0)
    {
        send({FocusReport::Kind::focused, isPasswordField, control});
    }
    void unfocused() { send({FocusReport::Kind::unfocused, false}); }
    void moving() { send({FocusReport::Kind::moving, false}); }
    void textInserted(bool isPasswordField) { send({FocusReport::Kind::textInserted, isPasswordField}); }
    void send(const FocusReport& report)
    {
        if (handler)
            handler(report);
    }

    std::function<void(const FocusReport&)> handler;
    int reads = 0;
};

} // namespace kestrel::test
