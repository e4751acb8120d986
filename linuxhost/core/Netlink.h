// Talking to the kernel over netlink, through libmnl: a socket per
// question (RouteSocket in core/Netstack.h keeps one per namespace), requests built into a buffer, answers handed to a
// callback one message at a time. Every failure becomes the library's exception carrying the kernel's own reason.
#pragma once

#include <linux/netlink.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

struct mnl_socket;

namespace LinuxHost {

// The attributes of one message or nest, by type; null where absent. Types
// above the table's size are ignored (a newer kernel's additions).
class Attributes {
public:
    explicit Attributes(uint16_t maxType) : table_(static_cast<size_t>(maxType) + 1, nullptr) {}
    // Fills the table from a message's attributes after a fixed header of
    // headerSize bytes, forgetting any message parsed before: one table
    // serves a whole dump.
    void Parse(const nlmsghdr* message, size_t headerSize);
    void ParseNested(const nlattr* nest);
    const nlattr* operator[](uint16_t type) const { return type < table_.size() ? table_[type] : nullptr; }
    // The attribute's value, or fallback when absent or too short.
    uint8_t U8(uint16_t type, uint8_t fallback = 0) const;
    uint32_t U32(uint16_t type, uint32_t fallback = 0) const;
    uint64_t U64(uint16_t type, uint64_t fallback = 0) const;
    std::string String(uint16_t type) const;

private:
    std::vector<const nlattr*> table_;
};

// A request under construction: header, fixed part and attributes, in a
// buffer of its own.
class NetlinkRequest {
public:
    NetlinkRequest(uint16_t type, uint16_t flags);
    nlmsghdr* Header() { return header_; }
    // The fixed header that follows the netlink header (ifinfomsg, rtmsg, ...), zeroed.
    template <typename Fixed>
    Fixed* Put() {
        return static_cast<Fixed*>(PutExtra(sizeof(Fixed)));
    }
    void PutU8(uint16_t type, uint8_t value);
    void PutU32(uint16_t type, uint32_t value);
    void PutString(uint16_t type, const std::string& value);
    void PutBytes(uint16_t type, const void* data, size_t size);
    nlattr* BeginNest(uint16_t type);
    void EndNest(nlattr* nest);

private:
    void* PutExtra(size_t size);
    void Reserve(size_t size);

    // Left unzeroed: the library zeroes every header and padding it puts.
    std::unique_ptr<char[]> buffer_;
    nlmsghdr* header_;
};

// A request that adds (create-exclusive: the kernel decides what exists) or
// deletes one object: createType or deleteType.
NetlinkRequest AddOrDeleteRequest(bool adding, uint16_t createType, uint16_t deleteType);

class NetlinkSocket {
public:
    // protocol: NETLINK_ROUTE, NETLINK_GENERIC, NETLINK_SOCK_DIAG.
    explicit NetlinkSocket(int protocol);
    ~NetlinkSocket();
    NetlinkSocket(const NetlinkSocket&) = delete;
    NetlinkSocket& operator=(const NetlinkSocket&) = delete;

    // Sends the request and hands every answer to onMessage until the dump
    // ends or the kernel acknowledges; a kernel error throws with its reason
    // (the extended acknowledgement's text when the kernel gives one).
    void Talk(NetlinkRequest& request, const std::function<void(const nlmsghdr*)>& onMessage);
    // A request that only needs the kernel's acknowledgement (NLM_F_ACK is added).
    void Ask(NetlinkRequest& request);

private:
    mnl_socket* socket_ = nullptr;
    // The kernel's answers land here, unzeroed: only what it wrote is read.
    std::unique_ptr<char[]> answers_;
    unsigned portId_ = 0;
    unsigned sequence_ = 0;
};

}  // namespace LinuxHost
