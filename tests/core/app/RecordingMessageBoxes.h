#pragma once
// Message boxes recorded instead of shown; optionally runs a probe at the moment a box appears.

#include "core/app/IMessageBoxService.h"

#include <functional>
#include <string>
#include <vector>

class RecordingMessageBoxes : public IMessageBoxService {
public:
    struct Box {
        std::string text;
        std::string caption;
        Icon icon;
        bool systemModal;
    };

    void Show(const std::string& text, const std::string& caption, Icon icon) override {
        if (onShow) {
            onShow();
        }
        boxes.push_back({text, caption, icon, false});
    }
    void ShowSystemModal(const std::string& text) override {
        boxes.push_back({text, {}, Icon::Stop, true});
    }

    std::vector<Box> boxes;
    std::function<void()> onShow;
};
