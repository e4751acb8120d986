// Netlink through libmnl.
#include "core/Netlink.h"

#include <libmnl/libmnl.h>
#include <linux/netlink.h>
#include <sys/socket.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>

#include "kavrel/Lib.h"

namespace LinuxHost {

using Kavrel::Lib::KavrelException;

namespace {

struct ParseContext {
    std::vector<const nlattr*>* table;
};

int KeepAttribute(const nlattr* attribute, void* data) {
    auto* table = static_cast<ParseContext*>(data)->table;
    const uint16_t type = mnl_attr_get_type(attribute);
    if (type < table->size()) (*table)[type] = attribute;
    return MNL_CB_OK;
}

// The kernel's reason for an error message: the extended acknowledgement's
// text when it sent one, else the error number's description.
std::string KernelReason(const nlmsghdr* message) {
    const auto* error = static_cast<const nlmsgerr*>(mnl_nlmsg_get_payload(message));
    std::string reason = std::strerror(-error->error);
    if (!(message->nlmsg_flags & NLM_F_ACK_TLVS)) return reason;
    size_t offset = sizeof(nlmsgerr);
    if (!(message->nlmsg_flags & NLM_F_CAPPED)) offset += error->msg.nlmsg_len - sizeof(nlmsghdr);
    if (offset > mnl_nlmsg_get_payload_len(message)) return reason;
    std::vector<const nlattr*> table(NLMSGERR_ATTR_MAX + 1, nullptr);
    ParseContext context{&table};
    mnl_attr_parse(message, static_cast<unsigned>(offset), KeepAttribute, &context);
    const nlattr* text = table[NLMSGERR_ATTR_MSG];
    if (text && mnl_attr_validate(text, MNL_TYPE_NUL_STRING) == 0)
        reason += " (" + std::string(mnl_attr_get_str(text)) + ")";
    return reason;
}

}  // namespace

void Attributes::Parse(const nlmsghdr* message, size_t headerSize) {
    std::fill(table_.begin(), table_.end(), nullptr);
    ParseContext context{&table_};
    mnl_attr_parse(message, static_cast<unsigned>(headerSize), KeepAttribute, &context);
}

void Attributes::ParseNested(const nlattr* nest) {
    if (!nest) return;
    ParseContext context{&table_};
    mnl_attr_parse_nested(nest, KeepAttribute, &context);
}

uint8_t Attributes::U8(uint16_t type, uint8_t fallback) const {
    const nlattr* attribute = (*this)[type];
    return attribute && mnl_attr_get_payload_len(attribute) >= 1 ? mnl_attr_get_u8(attribute) : fallback;
}

uint32_t Attributes::U32(uint16_t type, uint32_t fallback) const {
    const nlattr* attribute = (*this)[type];
    return attribute && mnl_attr_get_payload_len(attribute) >= 4 ? mnl_attr_get_u32(attribute) : fallback;
}

uint64_t Attributes::U64(uint16_t type, uint64_t fallback) const {
    const nlattr* attribute = (*this)[type];
    if (!attribute || mnl_attr_get_payload_len(attribute) < 8) return fallback;
    uint64_t value;
    std::memcpy(&value, mnl_attr_get_payload(attribute), sizeof value);  // 64-bit attributes may be unaligned
    return value;
}

std::string Attributes::String(uint16_t type) const {
    const nlattr* attribute = (*this)[type];
    if (!attribute) return "";
    const char* text = static_cast<const char*>(mnl_attr_get_payload(attribute));
    return std::string(text, strnlen(text, mnl_attr_get_payload_len(attribute)));
}

namespace {
constexpr size_t kRequestSize = 8192;  // MNL_SOCKET_BUFFER_SIZE at its largest
// Large enough for a dump's biggest batch of messages without truncation.
constexpr size_t kAnswersSize = 32768;
}  // namespace

NetlinkRequest::NetlinkRequest(uint16_t type, uint16_t flags) : buffer_(new char[kRequestSize]) {
    header_ = mnl_nlmsg_put_header(buffer_.get());
    header_->nlmsg_type = type;
    header_->nlmsg_flags = flags;
}

NetlinkRequest AddOrDeleteRequest(bool adding, uint16_t createType, uint16_t deleteType) {
    return adding ? NetlinkRequest(createType, NLM_F_REQUEST | NLM_F_CREATE | NLM_F_EXCL)
                  : NetlinkRequest(deleteType, NLM_F_REQUEST);
}

void NetlinkRequest::Reserve(size_t size) {
    if (header_->nlmsg_len + MNL_ALIGN(size) + MNL_ALIGN(sizeof(nlattr)) > kRequestSize) {
        throw KavrelException("A netlink request grew beyond its buffer");
    }
}

void* NetlinkRequest::PutExtra(size_t size) {
    Reserve(size);
    return mnl_nlmsg_put_extra_header(header_, size);
}

void NetlinkRequest::PutU8(uint16_t type, uint8_t value) { PutBytes(type, &value, sizeof value); }
void NetlinkRequest::PutU32(uint16_t type, uint32_t value) { PutBytes(type, &value, sizeof value); }
void NetlinkRequest::PutString(uint16_t type, const std::string& value) {
    PutBytes(type, value.c_str(), value.size() + 1);
}
void NetlinkRequest::PutBytes(uint16_t type, const void* data, size_t size) {
    Reserve(size);
    mnl_attr_put(header_, type, size, data);
}
nlattr* NetlinkRequest::BeginNest(uint16_t type) {
    Reserve(0);
    return mnl_attr_nest_start(header_, type);
}
void NetlinkRequest::EndNest(nlattr* nest) { mnl_attr_nest_end(header_, nest); }

NetlinkSocket::NetlinkSocket(int protocol) {
    socket_ = mnl_socket_open2(protocol, SOCK_CLOEXEC);
    if (!socket_) throw KavrelException(std::string("Cannot open a netlink socket: ") + std::strerror(errno));
    int on = 1;
    // The kernel's own words for a refusal, where it has them.
    mnl_socket_setsockopt(socket_, NETLINK_EXT_ACK, &on, sizeof on);
    mnl_socket_setsockopt(socket_, NETLINK_GET_STRICT_CHK, &on, sizeof on);
    if (mnl_socket_bind(socket_, 0, MNL_SOCKET_AUTOPID) < 0) {
        const int error = errno;
        mnl_socket_close(socket_);
        throw KavrelException(std::string("Cannot bind a netlink socket: ") + std::strerror(error));
    }
    portId_ = mnl_socket_get_portid(socket_);
    sequence_ = static_cast<unsigned>(time(nullptr));
}

NetlinkSocket::~NetlinkSocket() { mnl_socket_close(socket_); }

void NetlinkSocket::Talk(NetlinkRequest& request, const std::function<void(const nlmsghdr*)>& onMessage) {
    nlmsghdr* header = request.Header();
    header->nlmsg_seq = ++sequence_;
    if (mnl_socket_sendto(socket_, header, header->nlmsg_len) < 0) {
        throw KavrelException(std::string("Cannot send a netlink request: ") + std::strerror(errno));
    }
    if (!answers_) answers_.reset(new char[kAnswersSize]);
    for (;;) {
        const ssize_t received = mnl_socket_recvfrom(socket_, answers_.get(), kAnswersSize);
        if (received < 0) {
            if (errno == EINTR) continue;
            throw KavrelException(std::string("Cannot read the kernel's answer: ") + std::strerror(errno));
        }
        int length = static_cast<int>(received);
        for (auto* message = reinterpret_cast<const nlmsghdr*>(answers_.get()); mnl_nlmsg_ok(message, length);
             message = mnl_nlmsg_next(message, &length)) {
            if (!mnl_nlmsg_portid_ok(message, portId_) || !mnl_nlmsg_seq_ok(message, header->nlmsg_seq)) continue;
            if (message->nlmsg_type == NLMSG_DONE) return;
            if (message->nlmsg_type == NLMSG_ERROR) {
                const auto* error = static_cast<const nlmsgerr*>(mnl_nlmsg_get_payload(message));
                if (error->error == 0) return;  // the acknowledgement
                throw KavrelException(KernelReason(message));
            }
            if (message->nlmsg_type == NLMSG_NOOP || message->nlmsg_type == NLMSG_OVERRUN) continue;
            onMessage(message);
            if (!(message->nlmsg_flags & NLM_F_MULTI) && !(header->nlmsg_flags & NLM_F_ACK)) return;
        }
    }
}

void NetlinkSocket::Ask(NetlinkRequest& request) {
    request.Header()->nlmsg_flags |= NLM_F_ACK;
    Talk(request, [](const nlmsghdr*) {});
}

}  // namespace LinuxHost
