#include "simulator/http_message.h"

#include <cstdlib>

namespace {

const char* ReasonPhrase(int status) {
    switch (status) {
        case 200:
            return "OK";
        case 302:
            return "Found";
        case 400:
            return "Bad Request";
        case 404:
            return "Not Found";
        default:
            return "Status";
    }
}

std::vector<Text> SplitLines(const Text& head) {
    std::vector<Text> lines;
    size_t begin = 0;
    while (begin <= head.size()) {
        size_t end = head.find("\r\n", begin);
        if (end == Text::npos) end = head.size();
        lines.push_back(head.substr(begin, end - begin));
        begin = end + 2;
    }
    return lines;
}

void ParseHead(const Text& head, SimRequest& request) {
    std::vector<Text> lines = SplitLines(head);
    size_t space1 = lines[0].find(' ');
    size_t space2 = lines[0].rfind(' ');
    if (space1 == Text::npos || space2 == space1) return;
    for (size_t i = 1; i < lines.size(); i++) {
        size_t colon = lines[i].find(':');
        if (colon == Text::npos) continue;
        request.headers.emplace_back(lines[i].substr(0, colon),
                                     TrimBlanks(lines[i].substr(colon + 1)));
    }
    request.method = lines[0].substr(0, space1);
    request.target = lines[0].substr(space1 + 1, space2 - space1 - 1);
    Text host = LowerAscii(request.Header("Host"));
    request.host = host.substr(0, host.find(':'));
}

}  // namespace

Text SimRequest::Header(const Text& name) const {
    for (const auto& header : headers) {
        if (LowerAscii(header.first) == LowerAscii(name)) return header.second;
    }
    return Text();
}

bool TakeRequest(Bytes& buffer, SimRequest& request) {
    size_t headEnd = buffer.find("\r\n\r\n");
    if (headEnd == Bytes::npos) return false;
    request = SimRequest();
    ParseHead(buffer.substr(0, headEnd), request);
    size_t length = std::strtoul(request.Header("Content-Length").c_str(), nullptr, 10);
    size_t bodyStart = headEnd + 4;
    if (buffer.size() - bodyStart < length) return false;
    request.body = buffer.substr(bodyStart, length);
    request.raw = buffer.substr(0, bodyStart + length);
    buffer.erase(0, bodyStart + length);
    return true;
}

Bytes SerializeReply(const SimReply& reply, bool headOnly) {
    Bytes out =
        "HTTP/1.1 " + std::to_string(reply.status) + " " + ReasonPhrase(reply.status) + "\r\n";
    for (const auto& header : reply.headers) out += header.first + ": " + header.second + "\r\n";
    out += "Content-Length: " + std::to_string(reply.body.size()) + "\r\n\r\n";
    if (!headOnly) out += reply.body;
    return out;
}
