#pragma once

#include <QValidator>
#include <memory>

namespace platform {
class NumberFormatter;
}

namespace gui {

// Lets a line edit take only what the number field's formatter may still read as a
// number. Every such text is acceptable to Qt, so that return and the end of editing reach
// the model, which decides what the text gives.
class NumberFieldValidator : public QValidator {
    Q_OBJECT

public:
    NumberFieldValidator(std::shared_ptr<platform::NumberFormatter> formatter, QObject* parent);

    State validate(QString& input, int& position) const override;

private:
    std::shared_ptr<platform::NumberFormatter> formatter_;
};

} // namespace gui
