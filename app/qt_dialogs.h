#pragma once
#include <QPointer>
#include <QWidget>

#include "base/dialogs.h"

namespace orvo::app {

// The questions of commands as real dialogs: a message box with Yes and No, the file dialogs.
class QtDialogs final : public Dialogs {
 public:
  explicit QtDialogs(QWidget* parent) : parent_(parent) {}

  bool AskYesNo(std::string_view question) override;
  std::optional<std::string> ChooseFileToOpen(std::string_view filter,
                                              std::string_view startFolder) override;
  std::optional<std::string> ChooseFileToSave(std::string_view filter,
                                              std::string_view defaultSuffix,
                                              std::string_view startFolder) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace orvo::app
