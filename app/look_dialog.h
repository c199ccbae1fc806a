#pragma once
#include <QDialog>
#include <QFont>
#include <QString>

#include "app/settings_file.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace orvo::app {

class ConsoleHighlighter;

// Font and colours: the console's font (bold and italic included), its background, the colour
// of each kind of line, a dark and a light set, and a preview that follows every change. A
// change that would leave any kind's colour below kMinContrast against the background is
// refused, and the dialog says why.
class LookDialog final : public QDialog {
  Q_OBJECT

 public:
  LookDialog(const ConsoleLook& look, const QFont& font, QWidget* parent = nullptr);
  ~LookDialog() override;

  const ConsoleLook& look() const { return look_; }
  const QFont& font() const { return font_; }

  // What the buttons do once a choice is made. False, with the reason shown, when refused.
  bool SetColour(ColourKind kind, Rgb colour);
  bool SetBackground(Rgb colour);
  void SetFont(const QFont& font);
  void UseKinds(const KindColours& kinds, Rgb text, Rgb background);

  // Why the last change was refused; "" when it was not.
  QString refusal() const;
  QPlainTextEdit* preview() const { return preview_; }

 private:
  bool Accepts(const ConsoleLook& look);
  void Show();
  void ChooseColour(ColourKind kind);
  void ChooseBackground();
  void ChooseFontFace();

  ConsoleLook look_;
  QFont font_;
  QPlainTextEdit* preview_;
  ConsoleHighlighter* highlighter_;
  QLabel* refusal_;
  QPushButton* buttons_[kLineKinds + 1] = {};  // one per kind, then the background
};

}  // namespace orvo::app
