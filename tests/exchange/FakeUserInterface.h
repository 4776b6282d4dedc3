#pragma once

#include "exchange/UserInterface.h"

#include <deque>
#include <string>
#include <vector>

namespace tarvex::test {

// Records what a command shows and answers its questions from a script, so command
// tests never block on a dialog. Unscripted questions are answered No / Cancel.
class FakeUserInterface : public CUserInterface {
public:
    struct Message {
        std::string title, text;
        Icon icon;
        int waitDepth; // wait cursors up while it was shown
    };

    std::vector<Message> messages;
    std::vector<std::string> questions; // titles of the Yes/No questions asked
    std::vector<SaveFileRequest> saveRequests;
    std::vector<Losses> losses;
    std::deque<bool> answers;
    std::deque<std::optional<std::string>> fileNames;
    std::deque<std::optional<std::string>> caseNames;
    int redraws = 0;
    int waitDepth = 0;
    int waitCursors = 0;

    void ShowMessage(const std::string& title, const std::string& text, Icon icon) override {
        messages.push_back({title, text, icon, waitDepth});
    }
    bool AskYesNo(const std::string& title, const std::string&) override {
        questions.push_back(title);
        return pop(answers, false);
    }
    std::optional<std::string> AskSaveFileName(const SaveFileRequest& request) override {
        saveRequests.push_back(request);
        return pop(fileNames, std::optional<std::string>());
    }
    std::optional<std::string> AskCaseName(const std::string&) override {
        return pop(caseNames, std::optional<std::string>());
    }
    void ShowLosses(const Losses& shown) override { losses.push_back(shown); }
    void BeginWaitCursor() override {
        ++waitDepth;
        ++waitCursors;
    }
    void EndWaitCursor() override { --waitDepth; }
    void RedrawAllViews() override { ++redraws; }

private:
    template <class T> static T pop(std::deque<T>& queue, T fallback) {
        if (queue.empty()) return fallback;
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};

} // namespace tarvex::test
