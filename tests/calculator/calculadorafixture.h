#pragma once

// A shown, active main window on a settings file of the test's own, driven
// the way a user drives it: keys go to the control with the focus, clicks to
// the controls by name.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calculator/calculadora.h"
#include "calculator/taxpanel.h"
#include "calculator/taxsettings.h"
#include "tape/tapeengine.h"
#include "tests/controls/messageboxspy.h"

class CalculadoraWindow : public testing::Test {
protected:
    // Starts from no settings file at all, as a new user does.
    CalculadoraWindow();
    ~CalculadoraWindow() override;

    // Creates and shows the window (reading the settings file).
    void Open();
    // Destroys the window (writing the settings file).
    void Close();
    void Reopen() {
        Close();
        Open();
    }
    // Reopens on the file of an earlier start that keeps no rate line: the
    // window then has the original rate list (16 %, 7 %, 4 %...), where a
    // start without a settings file has the rates in force (21 %, 10 %...).
    void ReopenWithOriginalRates();

    // One key to the control with the focus (the window when none has it).
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Types each character as one key.
    void Type(const std::string& text);
    // Clicks a control found by its object name.
    void Click(const char* name);
    // Chooses an item of the options menu, found by its object name.
    void Choose(const char* item);
    template <typename T = QWidget>
    T* Find(const char* name) const {
        auto* found = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QWidget* Focus() const;

    // The used rows of the tape as the file stores them, joined by " | ".
    std::string Tape() const;
    int32_t CurrentRow() const;
    std::string Entry() const;
    std::string Subtotal() const;

    static std::string FileName();
    // The settings file's lines, split at CR LF only.
    static std::vector<std::string> FileLines();
    static std::string FileText();
    static void WriteFile(const std::string& content);

    MessageBoxSpy boxes;
    TCalculadora* window = nullptr;
};
