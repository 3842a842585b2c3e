#pragma once

#include <exception>
#include <string>
#include <utility>

namespace platform::forms {

// The platform's exception class: an error with a message text, shown by the Application.
class Exception : public std::exception {
public:
  explicit Exception(std::string message) : message_(std::move(message)) {}

  const std::string& Message() const { return message_; }
  const char* what() const noexcept override { return message_.c_str(); }

private:
  std::string message_;
};

}  // namespace platform::forms
