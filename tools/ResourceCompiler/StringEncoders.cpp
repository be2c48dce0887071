// Strings ('STR ') and string lists ('STR#').
#include "ByteWriter.h"
#include "Encoders.h"
#include "FieldSet.h"

namespace rc {

Entries EncodeString(const BlockInput& input) {
    FieldSet fields(input.block, {"text"});
    ByteWriter out;
    out.pascal(fields.string("text", 255));
    return One(input, out.take());
}

// One line per string, "[index] "text"", indices from 1 in order.
Entries EncodeStringList(const BlockInput& input) {
    ByteWriter out;
    out.big16(0);
    int count = 0;
    for (const SourceLine& source : input.block.body) {
        TokenReader line(source.where, source.tokens);
        if (source.text) line.fail("a string list holds quoted strings, one per line");
        ++count;
        if (!line.nextIs(TokenKind::String) && line.integer(1, 32767) != count)
            line.fail("this is string " + std::to_string(count) + ", not string " +
                      source.tokens[0].text);
        out.pascal(line.string(255));
        line.expectEnd();
    }
    out.setBig16(0, count);
    return One(input, out.take());
}

} // namespace rc
