#include "language/plural_rule.h"

#include <cctype>
#include <cstdlib>

namespace {

// The C subset gettext's Plural-Forms use (GNU gettext manual, section
// "Additional functions for plural forms"): n, decimal numbers, ! * / % + -
// < > <= >= == != && || ?: and parentheses.
class Evaluator {
public:
    Evaluator(const std::string& text, unsigned long n) : text(text), n(n) {}

    bool evaluate(unsigned long& result)
    {
        result = conditional();
        skipSpace();
        return !failed && at == text.size();
    }

private:
    const std::string& text;
    unsigned long n;
    std::size_t at = 0;
    bool failed = false;
    int depth = 0;

    void skipSpace()
    {
        while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at])))
            ++at;
    }

    bool take(const char* token)
    {
        skipSpace();
        std::size_t i = 0;
        while (token[i] != '\0' && at + i < text.size() && text[at + i] == token[i])
            ++i;
        if (token[i] != '\0')
            return false;
        // "<" must not take the first half of "<=", nor "!" of "!=".
        const char next = at + i < text.size() ? text[at + i] : '\0';
        if (i == 1 && (token[0] == '<' || token[0] == '>' || token[0] == '!' || token[0] == '=') && next == '=')
            return false;
        at += i;
        return true;
    }

    unsigned long conditional()
    {
        if (++depth > 64) {  // a hostile rule cannot exhaust the stack
            failed = true;
            return 0;
        }
        const unsigned long condition = logicalOr();
        unsigned long result = condition;
        if (take("?")) {
            const unsigned long yes = conditional();
            if (!take(":"))
                failed = true;
            const unsigned long no = conditional();
            result = condition != 0 ? yes : no;
        }
        --depth;
        return result;
    }

    unsigned long logicalOr()
    {
        unsigned long value = logicalAnd();
        while (take("||")) {
            const unsigned long right = logicalAnd();
            value = (value != 0 || right != 0) ? 1 : 0;
        }
        return value;
    }

    unsigned long logicalAnd()
    {
        unsigned long value = equality();
        while (take("&&")) {
            const unsigned long right = equality();
            value = (value != 0 && right != 0) ? 1 : 0;
        }
        return value;
    }

    unsigned long equality()
    {
        unsigned long value = relation();
        for (;;) {
            if (take("=="))
                value = value == relation() ? 1 : 0;
            else if (take("!="))
                value = value != relation() ? 1 : 0;
            else
                return value;
        }
    }

    unsigned long relation()
    {
        unsigned long value = sum();
        for (;;) {
            if (take("<="))
                value = value <= sum() ? 1 : 0;
            else if (take(">="))
                value = value >= sum() ? 1 : 0;
            else if (take("<"))
                value = value < sum() ? 1 : 0;
            else if (take(">"))
                value = value > sum() ? 1 : 0;
            else
                return value;
        }
    }

    unsigned long sum()
    {
        unsigned long value = product();
        for (;;) {
            if (take("+"))
                value += product();
            else if (take("-"))
                value -= product();
            else
                return value;
        }
    }

    unsigned long product()
    {
        unsigned long value = unary();
        for (;;) {
            const bool times = take("*");
            const bool divide = !times && take("/");
            const bool modulo = !times && !divide && take("%");
            if (!times && !divide && !modulo)
                return value;
            const unsigned long right = unary();
            if (times) {
                value *= right;
            } else if (right == 0) {
                failed = true;
                return 0;
            } else {
                value = divide ? value / right : value % right;
            }
        }
    }

    unsigned long unary()
    {
        // Counted rather than recursed, so a long run of '!' cannot exhaust the stack.
        bool negated = false;
        while (take("!"))
            negated = !negated;
        const unsigned long value = primary();
        return negated ? (value == 0 ? 1 : 0) : value;
    }

    unsigned long primary()
    {
        skipSpace();
        if (take("(")) {
            const unsigned long value = conditional();
            if (!take(")"))
                failed = true;
            return value;
        }
        if (at < text.size() && text[at] == 'n') {
            ++at;
            return n;
        }
        if (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]))) {
            unsigned long value = 0;
            while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])) && value < 1000000000UL)
                value = value * 10 + static_cast<unsigned long>(text[at++] - '0');
            return value;
        }
        failed = true;
        return 0;
    }
};

std::string valueOf(const std::string& header, const char* key)
{
    const std::size_t start = header.find(key);
    if (start == std::string::npos)
        return "";
    const std::size_t from = start + std::string(key).size();
    const std::size_t end = header.find(';', from);
    return header.substr(from, end == std::string::npos ? std::string::npos : end - from);
}

}  // namespace

PluralRule parsePluralRule(const std::string& header, bool& ok)
{
    PluralRule rule;
    ok = false;
    const std::string forms = valueOf(header, "nplurals=");
    const std::string expression = valueOf(header, "plural=");
    char* end = nullptr;
    const long count = std::strtol(forms.c_str(), &end, 10);
    if (forms.empty() || *end != '\0' || count < 1 || count > 6 || expression.empty())
        return rule;
    unsigned long probe = 0;
    if (!Evaluator(expression, 1).evaluate(probe))
        return rule;
    rule.forms = static_cast<int>(count);
    rule.expression = expression;
    ok = true;
    return rule;
}

int pluralForm(const PluralRule& rule, unsigned long n)
{
    unsigned long form = 0;
    if (!Evaluator(rule.expression, n).evaluate(form) || form >= static_cast<unsigned long>(rule.forms))
        return n == 1 ? 0 : 1;
    return static_cast<int>(form);
}
