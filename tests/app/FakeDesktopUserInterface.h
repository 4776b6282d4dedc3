#pragma once

#include "app/CDesktopUserInterface.h"

#include <QPrinter>

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace tarvex::test {

// Records what the program shows and answers from a script, so no test waits for a
// click. Unscripted questions are answered No / Cancel.
class FakeDesktopUserInterface : public CDesktopUserInterface {
public:
    struct Message {
        std::string title, text;
        Icon icon;
    };

    std::vector<Message> messages;
    std::vector<std::string> questions;
    std::vector<SaveFileRequest> saveRequests;
    std::vector<std::string> caseNamePrompts; // the initial text of each Data Case Name dialog
    std::vector<Losses> losses;
    std::vector<std::string> saveChangesTitles;
    std::vector<std::string> helpPaths;
    std::deque<bool> answers;
    std::deque<std::optional<std::string>> fileNames;
    std::deque<std::optional<std::string>> caseNames;
    std::deque<std::optional<std::string>> openNames;
    std::deque<std::optional<std::string>> documentNames;
    std::deque<SaveChoice> saveChoices;
    int abouts = 0;
    int waitDepth = 0;
    int redraws = 0;
    // Called on every message, e.g. to see what else was on the screen at that moment.
    std::function<void(const Message&)> onMessage;
    std::function<void()> onCaseName;

    void ShowMessage(const std::string& title, const std::string& text, Icon icon) override {
        messages.push_back({title, text, icon});
        if (onMessage) onMessage(messages.back());
    }
    bool AskYesNo(const std::string& title, const std::string&) override {
        questions.push_back(title);
        return pop(answers, false);
    }
    std::optional<std::string> AskSaveFileName(const SaveFileRequest& request) override {
        saveRequests.push_back(request);
        return pop(fileNames, std::optional<std::string>());
    }
    std::optional<std::string> AskCaseName(const std::string& initial) override {
        caseNamePrompts.push_back(initial);
        if (onCaseName) onCaseName();
        return pop(caseNames, std::optional<std::string>());
    }
    void ShowLosses(const Losses& shown) override { losses.push_back(shown); }
    void BeginWaitCursor() override { ++waitDepth; }
    void EndWaitCursor() override { --waitDepth; }
    void RedrawAllViews() override { ++redraws; }

    std::optional<std::string> AskOpenDocumentName() override {
        return pop(openNames, std::optional<std::string>());
    }
    std::optional<std::string> AskSaveDocumentName(const std::string&) override {
        return pop(documentNames, std::optional<std::string>());
    }
    SaveChoice AskSaveChanges(const std::string& title) override {
        saveChangesTitles.push_back(title);
        return pop(saveChoices, SaveChoice::Cancel);
    }
    void ShowAbout() override { ++abouts; }
    bool OpenHelp(const std::string& path) override {
        helpPaths.push_back(path);
        return true;
    }
    // Printing goes to this PDF file when set; otherwise the print dialog is cancelled.
    std::string printFile;
    int previews = 0;
    bool AskPrinter(QPrinter& printer) override {
        if (printFile.empty()) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(printFile));
        return true;
    }
    bool AskPageSetup(QPrinter&) override { return false; }
    void ShowPrintPreview(QPrinter& printer, const std::function<void(QPrinter*)>& paint) override {
        ++previews;
        if (AskPrinter(printer)) paint(&printer);
    }

private:
    template <class T> static T pop(std::deque<T>& queue, T fallback) {
        if (queue.empty()) return fallback;
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};

} // namespace tarvex::test
