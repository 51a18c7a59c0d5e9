#include "gui/TextFieldBinding.h"

#include "gui/NumberFieldValidator.h"
#include "gui/QtString.h"
#include "platform/ui/SecureTextField.h"

#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>

namespace gui {

TextFieldBinding::TextFieldBinding(std::shared_ptr<platform::TextField> field,
                                   QStackedWidget* widget)
    : ViewBinding(field, widget), field_(std::move(field)), stack_(widget),
      lineEdit_(new QLineEdit(widget)), label_(new QLabel(widget)) {
    if (std::dynamic_pointer_cast<platform::SecureTextField>(field_))
        lineEdit_->setEchoMode(QLineEdit::Password);
    label_->setTextFormat(Qt::PlainText);
    label_->setWordWrap(field_->wraps());
    stack_->addWidget(lineEdit_);
    stack_->addWidget(label_);
    setFocusWidget(lineEdit_);
    showText();
    showEditable();
    useFormatter();
    observeEnabled(*field_);
    observe(field_->stringValueProperty(), [this] { showText(); });
    observe(field_->editableProperty(), [this] { showEditable(); });
    observe(field_->formatterProperty(), [this] { useFormatter(); });
    // textEdited is the user's typing only; setText does not send it.
    connect(lineEdit_, &QLineEdit::textEdited, this, [this] { typed(); });
    connect(lineEdit_, &QLineEdit::returnPressed, this, [this] { field_->userPressEnter(); });
}

void TextFieldBinding::showText() {
    const QString text = toQString(field_->stringValue());
    if (lineEdit_->text() != text)
        lineEdit_->setText(text);
    label_->setText(text);
}

void TextFieldBinding::showEditable() {
    stack_->setCurrentWidget(field_->isEditable() ? static_cast<QWidget*>(lineEdit_) : label_);
    stack_->setFocusProxy(field_->isEditable() ? lineEdit_ : nullptr);
}

void TextFieldBinding::useFormatter() {
    const QValidator* old = lineEdit_->validator();
    const auto formatter = field_->formatter();
    lineEdit_->setValidator(formatter ? new NumberFieldValidator(formatter, lineEdit_) : nullptr);
    delete old;
}

void TextFieldBinding::typed() {
    const auto keepAlive = field_;
    field_->userType(fromQString(lineEdit_->text()));
    showText();
}

} // namespace gui
