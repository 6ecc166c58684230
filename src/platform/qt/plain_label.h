#pragma once
// A label guesses whether its text is rich text, so an event text holding a "<" could show as
// markup. The labels a window builds start as plain text here, before any text reaches them.

#include <QLabel>
#include <QString>

namespace orlevant {

inline QLabel* PlainLabel(QWidget* parent, const QString& text) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setText(text);
  return label;
}

// `name` is the object name the tests find the label by.
inline QLabel* PlainLabel(QWidget* parent, const char* name, const QString& text = {}) {
  QLabel* label = PlainLabel(parent, text);
  label->setObjectName(QLatin1String(name));
  return label;
}

}  // namespace orlevant
