#include "support/expression_text.h"

#include <cstring>
#include <vector>

namespace zentra::test_support {

namespace {

using Kind = ExprNode::Kind;

// Collects tokens; the texts are always rendered after "y =" or "v=", so the
// first token follows an "=".
class TokenWriter {
public:
    void put(const std::string& text, bool glued = false) {
        if (!text_.empty() && !glued && !glueNext_) text_ += ' ';
        text_ += text;
        glueNext_ = false;
        last_ = text;
    }
    void putGlueNext(const std::string& text) {
        put(text);
        glueNext();
    }
    void glueNext() { glueNext_ = true; }
    // A sign directly before a number folds into it after these tokens.
    bool signFolds() const { return std::strchr("-+*/><!%&^=({,[|", last_[0]) != nullptr; }
    const std::string& text() const { return text_; }

private:
    std::string text_;
    std::string last_ = "=";
    bool glueNext_ = false;
};

void writeLiteral(TokenWriter& w, const ExprNode& node) {
    if (node.plusSign && w.signFolds()) {
        w.putGlueNext("+");
    }
    w.put(node.text);
}

void writeNegativeLiteral(TokenWriter& w, const ExprNode& node, bool parenthesised) {
    if (parenthesised || !w.signFolds()) {
        w.putGlueNext("(");
        w.putGlueNext("-");
        w.put(node.text);
        w.put(")", true);
        return;
    }
    w.putGlueNext("-");
    w.put(node.text);
}

template <typename Writer>
void writeCall(TokenWriter& w, const ExprNode& node, Writer writeArgument) {
    w.put(node.text);
    w.put("(", true);
    w.glueNext();
    for (std::size_t i = 0; i < node.operands.size(); ++i) {
        if (i > 0) w.put(",", true);
        writeArgument(node.operands[i]);
    }
    w.put(")", true);
}

void writeElement(TokenWriter& w, const ExprNode& node) {
    w.put("v");
    w.put("[", true);
    w.put(node.text, true);
    w.put("]", true);
}

void writeFull(TokenWriter& w, const ExprNode& node) {
    switch (node.kind) {
        case Kind::Element: writeElement(w, node); return;
        case Kind::Literal: writeLiteral(w, node); return;
        case Kind::NegativeLiteral: writeNegativeLiteral(w, node, true); return;
        case Kind::Constant: w.put(node.text); return;
        case Kind::Negate:
        case Kind::Not:
            w.putGlueNext(node.kind == Kind::Negate ? "-" : "!");
            writeFull(w, node.operands[0]);
            return;
        case Kind::Binary:
            w.putGlueNext("(");
            writeFull(w, node.operands[0]);
            w.put(node.text);
            writeFull(w, node.operands[1]);
            w.put(")", true);
            return;
        case Kind::Call:
            writeCall(w, node, [&](const ExprNode& argument) { writeFull(w, argument); });
            return;
    }
}

void writeExpression(TokenWriter& w, const ExprNode& node);

void writeParenthesised(TokenWriter& w, const ExprNode& node) {
    w.putGlueNext("(");
    writeExpression(w, node);
    w.put(")", true);
}

void writePrimary(TokenWriter& w, const ExprNode& node) {
    switch (node.kind) {
        case Kind::Element: writeElement(w, node); return;
        case Kind::Literal: writeLiteral(w, node); return;
        case Kind::NegativeLiteral: writeNegativeLiteral(w, node, false); return;
        case Kind::Constant: w.put(node.text); return;
        case Kind::Negate:
        case Kind::Not:
            w.putGlueNext(node.kind == Kind::Negate ? "-" : "!");
            writePrimary(w, node.operands[0]);
            return;
        case Kind::Binary: writeParenthesised(w, node); return;
        case Kind::Call:
            writeCall(w, node, [&](const ExprNode& argument) { writeExpression(w, argument); });
            return;
    }
}

bool isAdditive(const ExprNode& node) { return isBinary(node) && isAdditiveOperator(node.text); }

// The right operand of "*", "/" or "^" takes a "^" written right after it,
// unless that operand is an array element: a * b ^ c is a * (b ^ c), but
// a * v[1] ^ c is (a * v[1]) ^ c.
bool bindsPowerToRight(const ExprNode& right) {
    return isBinary(right, "^") && right.operands[0].kind != Kind::Element;
}

// A multiplicative step whose right operand is a plain operand: a "^" written
// after it would bind to that operand.
bool endsInPlainStep(const ExprNode& node) {
    if (!isBinary(node) || !isMultiplicativeOperator(node.text)) return false;
    const ExprNode& right = node.operands[1];
    return !bindsPowerToRight(right) && right.kind != Kind::Element;
}

void writeExpression(TokenWriter& w, const ExprNode& node) {
    if (!isBinary(node)) {
        writePrimary(w, node);
        return;
    }
    const ExprNode& left = node.operands[0];
    const ExprNode& right = node.operands[1];
    if (isAdditive(node)) {
        writeExpression(w, left);
        w.put(node.text);
        if (isAdditive(right)) {
            writeParenthesised(w, right);
        } else {
            writeExpression(w, right);
        }
        return;
    }
    if (isAdditive(left) || (node.text == "^" && endsInPlainStep(left))) {
        writeParenthesised(w, left);
    } else {
        writeExpression(w, left);
    }
    w.put(node.text);
    if (bindsPowerToRight(right)) {
        writePrimary(w, right.operands[0]);
        w.put("^");
        writePrimary(w, right.operands[1]);
    } else {
        writePrimary(w, right);
    }
}

}  // namespace

std::string fullyParenthesisedText(const ExprNode& tree) {
    TokenWriter w;
    writeFull(w, tree);
    return w.text();
}

std::string minimalText(const ExprNode& tree) {
    TokenWriter w;
    writeExpression(w, tree);
    return w.text();
}

}  // namespace zentra::test_support
