#pragma once
// Message boxes recorded instead of shown, so no test waits for a person; onShow runs at the
// moment a box appears (to look at what the program did just before).

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
        Record({text, caption, icon, false});
    }
    void ShowSystemModal(const std::string& text) override { Record({text, {}, Icon::Stop, true}); }
    // Questions are recorded like boxes and answered from `answers` in turn: true is OK or
    // "Ja"; once they run out, every question is answered so.
    bool Confirm(const std::string& text, const std::string& caption, Icon icon,
                 bool /*withCancel*/) override {
        Record({text, caption, icon, false});
        return NextAnswer();
    }
    bool AskYesNo(const std::string& text, const std::string& caption) override {
        Record({text, caption, Icon::Information, false});
        return NextAnswer();
    }

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const Box& box : boxes)
            texts.push_back(box.text);
        return texts;
    }

    std::vector<Box> boxes;
    std::vector<bool> answers;
    std::function<void(const Box&)> onShow;

private:
    bool NextAnswer() {
        if (answers.empty())
            return true;
        const bool answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }
    void Record(Box box) {
        if (onShow)
            onShow(box);
        boxes.push_back(std::move(box));
    }
};
