#pragma once

// Answers every warning box during a test, with the answers given in order
// and then with OK, and keeps the requests.

#include <QApplication>
#include <QWidget>
#include <vector>

#include "controls/platform/messagebox.h"

class MessageBoxSpy {
public:
    MessageBoxSpy()
        : previous_(SetMessageBoxHandler([this](const TMessageBoxRequest& request) {
              requests.push_back(request);
              if (takeFocus) TakeFocusLikeAModalBox();
              if (answers.empty()) return static_cast<int>(idOk);
              const int answer = answers.front();
              answers.erase(answers.begin());
              return answer;
          })) {}
    ~MessageBoxSpy() { SetMessageBoxHandler(previous_); }
    MessageBoxSpy(const MessageBoxSpy&) = delete;
    MessageBoxSpy& operator=(const MessageBoxSpy&) = delete;

    std::vector<TMessageBoxRequest> requests;
    std::vector<int> answers;
    // Each box takes the focus as a real one does: its own window is active
    // while it is open, and once it is gone no window has the focus until the
    // window system hands it back.
    bool takeFocus = false;

private:
    static void TakeFocusLikeAModalBox() {
        QWidget box;
        box.show();
        QApplication::setActiveWindow(&box);
    }

    TMessageBoxHandler previous_;
};
