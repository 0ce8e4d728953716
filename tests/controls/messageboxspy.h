#pragma once

// Answers every warning box during a test with OK and keeps the requests.

#include <vector>

#include "controls/platform/messagebox.h"

class MessageBoxSpy {
public:
    MessageBoxSpy()
        : previous_(SetMessageBoxHandler([this](const TMessageBoxRequest& request) {
              requests.push_back(request);
              return static_cast<int>(idOk);
          })) {}
    ~MessageBoxSpy() { SetMessageBoxHandler(previous_); }
    MessageBoxSpy(const MessageBoxSpy&) = delete;
    MessageBoxSpy& operator=(const MessageBoxSpy&) = delete;

    std::vector<TMessageBoxRequest> requests;

private:
    TMessageBoxHandler previous_;
};
