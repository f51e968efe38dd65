// Runs of text: the growable TextElement (labels), the fixed-buffer variant used for a line's
// result text, and UnitTextElement (kind 10).
#pragma once

#include <string>

#include "element.h"

namespace zx::equation {

class TextElement : public EquationElement {
public:
    explicit TextElement(std::string text = {});

    void Draw(DrawSurface& dc, Point& pen) override;
    EquationElement* Clone() const override;
    void Measure(double& height, Point& maxCorner, Point& minCorner, Point& pen) override;

    const std::string& text() const { return text_; }
    std::int32_t length() const { return static_cast<std::int32_t>(text_.size()); }
    virtual void SetText(const std::string& text) { text_ = text; }

protected:
    std::string text_;
};

// The text kept in an inline buffer of 100 characters: longer texts are cut to 99 characters
// (the buffer keeps its terminating NUL).
class FixedTextElement : public TextElement {
public:
    static constexpr std::size_t kCapacity = 100;
    explicit FixedTextElement(const std::string& text = {});
    EquationElement* Clone() const override;
    void SetText(const std::string& text) override;
};

class UnitTextElement : public TextElement {
public:
    explicit UnitTextElement(std::string text);
    void Draw(DrawSurface& dc, Point& pen) override;
    EquationElement* Clone() const override;
};

} // namespace zx::equation
