#pragma once

// Controls that can hold input they reject. The client decides validity and sets it; the control
// only shows it (a StyledControl that is not valid has the invalid flag in its state, so its style
// draws the invalid colours and bezel).

#include <optional>
#include <string>

namespace tk {
class TextField;
}

namespace Tessaly {

class Validating {
public:
    // False while the control holds input that is rejected.
    virtual bool isValid() const = 0;

protected:
    ~Validating() = default;
};

// A field that shows its validity: setting it updates the field's look (a validating text field
// hands the flag to its cell and redraws), and `message` says why the input is rejected.
class ValidatingField : public Validating {
public:
    // The text field holding the input: the conformer itself, or the one inside a composite.
    virtual tk::TextField& textField() = 0;
    virtual void setValid(bool valid) = 0;
    // Why the input is rejected; none when there is nothing to say.
    virtual std::optional<std::string> message() const = 0;
    virtual void setMessage(std::optional<std::string> message) = 0;
    // The field's tool tip; a conformer that is a view answers with its own view tool tip.
    virtual std::optional<std::string> toolTip() const = 0;
    virtual void setToolTip(std::optional<std::string> toolTip) = 0;

protected:
    ~ValidatingField() = default;
};

} // namespace Tessaly
