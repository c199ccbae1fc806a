#include "app/look_dialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QVBoxLayout>

#include "app/console_highlighter.h"
#include "app/texts.h"

namespace orvo::app {
namespace {

// One row per colour the dialog sets, in its order; the background last.
constexpr struct {
  ColourKind kind;
  const char* name;
} kKindRows[] = {
    {ColourKind::kCommand, "&Typed commands"},
    {ColourKind::kAnswer, "&Answers"},
    {ColourKind::kError, "&Errors"},
    {ColourKind::kWarning, "&Warnings"},
    {ColourKind::kNote, "&Notes"},
    {ColourKind::kPrompt, "&Prompt lines"},
};

QColor ToQColor(Rgb rgb) {
  return QColor(rgb.red, rgb.green, rgb.blue);
}

Rgb ToRgb(const QColor& colour) {
  return Rgb{static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
             static_cast<std::uint8_t>(colour.blue())};
}

QString KindName(ColourKind kind) {
  for (const auto& row : kKindRows) {
    if (row.kind == kind) return QString::fromUtf8(row.name).remove(u'&').toLower();
  }
  return {};
}

// The preview paints like the console: its blocks are coloured as they come into view.
class PreviewEdit final : public QPlainTextEdit {
 public:
  explicit PreviewEdit(QWidget* parent) : QPlainTextEdit(parent), highlighter(*this) {}
  ConsoleHighlighter highlighter;

 protected:
  void paintEvent(QPaintEvent* event) override {
    highlighter.FormatVisible(firstVisibleBlock(), viewport()->height());
    QPlainTextEdit::paintEvent(event);
  }
};

}  // namespace

LookDialog::LookDialog(const ConsoleLook& look, const QFont& font, QWidget* parent)
    : QDialog(parent), look_(look), font_(font), refusal_(new QLabel(this)) {
  setWindowTitle(QString::fromUtf8(text::kLookDialogTitle));
  auto* preview = new PreviewEdit(this);
  preview_ = preview;
  highlighter_ = &preview->highlighter;
  preview_->setReadOnly(true);
  preview_->setPlainText(QString::fromUtf8(text::kLookPreview));
  preview_->setMinimumHeight(150);

  auto* grid = new QGridLayout;
  int row = 0;
  auto* fontButton = new QPushButton(QString::fromUtf8(text::kLookFont), this);
  connect(fontButton, &QPushButton::clicked, this, &LookDialog::ChooseFontFace);
  grid->addWidget(fontButton, row / 2, row % 2);
  ++row;
  auto* background = new QPushButton(QString::fromUtf8(text::kLookBackground), this);
  connect(background, &QPushButton::clicked, this, &LookDialog::ChooseBackground);
  buttons_[kLineKinds] = background;
  grid->addWidget(background, row / 2, row % 2);
  ++row;
  for (const auto& kindRow : kKindRows) {
    auto* button = new QPushButton(QString::fromUtf8(kindRow.name), this);
    connect(button, &QPushButton::clicked, this,
            [this, kind = kindRow.kind] { ChooseColour(kind); });
    buttons_[static_cast<std::size_t>(kindRow.kind)] = button;
    grid->addWidget(button, row / 2, row % 2);
    ++row;
  }
  auto* dark = new QPushButton(QString::fromUtf8(text::kLookDark), this);
  connect(dark, &QPushButton::clicked, this,
          [this] { UseKinds(kDarkKinds, ConsoleLook{}.text, ConsoleLook{}.background); });
  auto* light = new QPushButton(QString::fromUtf8(text::kLookLight), this);
  connect(light, &QPushButton::clicked, this, [this] {
    UseKinds(kLightKinds, Rgb{30, 30, 30}, Rgb{255, 255, 255});
  });
  grid->addWidget(dark, row / 2 + 1, 0);
  grid->addWidget(light, row / 2 + 1, 1);

  refusal_->setWordWrap(true);
  refusal_->setStyleSheet(QStringLiteral("color: #b00000"));
  auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(preview_, 1);
  layout->addWidget(refusal_);
  layout->addWidget(box);
  Show();
}

LookDialog::~LookDialog() = default;

QString LookDialog::refusal() const {
  return refusal_->text();
}

bool LookDialog::Accepts(const ConsoleLook& look) {
  for (const auto& row : kKindRows) {
    const double ratio = ContrastRatio(look.Colour(row.kind), look.background);
    if (ratio < kMinContrast) {
      refusal_->setText(QString::fromUtf8(text::kLookRefused)
                            .arg(KindName(row.kind))
                            .arg(ratio, 0, 'f', 1)
                            .arg(kMinContrast, 0, 'f', 0));
      return false;
    }
  }
  refusal_->clear();
  return true;
}

bool LookDialog::SetColour(ColourKind kind, Rgb colour) {
  ConsoleLook wanted = look_;
  wanted.Colour(kind) = colour;
  if (!Accepts(wanted)) return false;
  look_ = wanted;
  Show();
  return true;
}

bool LookDialog::SetBackground(Rgb colour) {
  ConsoleLook wanted = look_;
  wanted.background = colour;
  if (!Accepts(wanted)) return false;
  look_ = wanted;
  Show();
  return true;
}

void LookDialog::SetFont(const QFont& font) {
  font_ = font;
  look_.bold = font.bold();
  look_.italic = font.italic();
  Show();
}

void LookDialog::UseKinds(const KindColours& kinds, Rgb text, Rgb background) {
  look_.kinds = kinds;
  look_.text = text;
  look_.background = background;
  refusal_->clear();
  Show();
}

void LookDialog::ChooseColour(ColourKind kind) {
  const QColor colour = QColorDialog::getColor(ToQColor(look_.Colour(kind)), this);
  if (colour.isValid()) SetColour(kind, ToRgb(colour));
}

void LookDialog::ChooseBackground() {
  const QColor colour = QColorDialog::getColor(ToQColor(look_.background), this);
  if (colour.isValid()) SetBackground(ToRgb(colour));
}

void LookDialog::ChooseFontFace() {
  bool ok = false;
  const QFont font =
      QFontDialog::getFont(&ok, font_, this, QString::fromUtf8(text::kFontDialogTitle));
  if (ok) SetFont(font);
}

void LookDialog::Show() {
  QPalette palette = preview_->palette();
  palette.setColor(QPalette::Base, ToQColor(look_.background));
  palette.setColor(QPalette::Text, ToQColor(look_.text));
  preview_->setPalette(palette);
  preview_->setFont(font_);
  highlighter_->SetLook(look_);
  // Each colour button shows its colour.
  for (const auto& row : kKindRows) {
    QPixmap swatch(14, 14);
    swatch.fill(ToQColor(look_.Colour(row.kind)));
    buttons_[static_cast<std::size_t>(row.kind)]->setIcon(swatch);
  }
  QPixmap swatch(14, 14);
  swatch.fill(ToQColor(look_.background));
  buttons_[kLineKinds]->setIcon(swatch);
}

}  // namespace orvo::app
