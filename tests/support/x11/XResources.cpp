#include "support/x11/XResources.h"

#include "platform/x11/XcbHeaders.h"

#include <xcb/res.h>

#include <functional>
#include <sstream>

namespace kestrel::test {

namespace {

using x11::XcbPointer;

std::string atomName(xcb_connection_t* connection, xcb_atom_t atom)
{
    const XcbPointer<xcb_get_atom_name_reply_t> reply(
        xcb_get_atom_name_reply(connection, xcb_get_atom_name(connection, atom), nullptr));
    if (!reply)
        return "atom " + std::to_string(atom);
    return {xcb_get_atom_name_name(reply.get()), static_cast<std::size_t>(xcb_get_atom_name_name_length(reply.get()))};
}

// Asks for the process id of the client at `base`; the question's type is the request's own.
template <typename Question>
xcb_res_query_client_ids_cookie_t askProcessId(xcb_connection_t* connection, std::uint32_t base,
                                               xcb_res_query_client_ids_cookie_t (*ask)(xcb_connection_t*,
                                                                                        std::uint32_t, const Question*))
{
    const Question question{base, XCB_RES_CLIENT_ID_MASK_LOCAL_CLIENT_PID};
    return ask(connection, 1, &question);
}

// Adds up the resources of each client whose resource base `wanted` accepts.
ServerResources resourcesOf(xcb_connection_t* connection, const std::function<bool(std::uint32_t base)>& wanted)
{
    ServerResources resources;
    const XcbPointer<xcb_res_query_clients_reply_t> clients(
        xcb_res_query_clients_reply(connection, xcb_res_query_clients(connection), nullptr));
    if (!clients)
        return resources;
    for (auto client = xcb_res_query_clients_clients_iterator(clients.get()); client.rem;
         xcb_res_client_next(&client)) {
        if (!wanted(client.data->resource_base))
            continue;
        const XcbPointer<xcb_res_query_client_resources_reply_t> held(xcb_res_query_client_resources_reply(
            connection, xcb_res_query_client_resources(connection, client.data->resource_base), nullptr));
        if (!held)
            continue;
        for (auto type = xcb_res_query_client_resources_types_iterator(held.get()); type.rem; xcb_res_type_next(&type))
            resources[atomName(connection, type.data->resource_type)] += static_cast<int>(type.data->count);
    }
    return resources;
}

} // namespace

ServerResources serverResourcesOfProcess(xcb_connection_t* connection, pid_t pid)
{
    // Which clients the process has: each client's process id, asked of the server by its
    // base. Only the process id is asked for, so each answer is one.
    const auto isOfProcess = [&](std::uint32_t base) {
        const XcbPointer<xcb_res_query_client_ids_reply_t> ids(xcb_res_query_client_ids_reply(
            connection, askProcessId(connection, base, &xcb_res_query_client_ids), nullptr));
        if (!ids)
            return false;
        for (auto id = xcb_res_query_client_ids_ids_iterator(ids.get()); id.rem; xcb_res_client_id_value_next(&id)) {
            if (xcb_res_client_id_value_value_length(id.data) == 1 &&
                static_cast<pid_t>(*xcb_res_client_id_value_value(id.data)) == pid)
                return true;
        }
        return false;
    };
    return resourcesOf(connection, isOfProcess);
}

ServerResources serverResourcesOfOwner(xcb_connection_t* connection, std::uint32_t resource)
{
    const XcbPointer<xcb_res_query_clients_reply_t> clients(
        xcb_res_query_clients_reply(connection, xcb_res_query_clients(connection), nullptr));
    std::uint32_t owner = 0;
    if (clients) {
        for (auto client = xcb_res_query_clients_clients_iterator(clients.get()); client.rem;
             xcb_res_client_next(&client)) {
            if ((resource & ~client.data->resource_mask) == client.data->resource_base)
                owner = client.data->resource_base;
        }
    }
    if (!owner)
        return {};
    return resourcesOf(connection, [owner](std::uint32_t base) { return base == owner; });
}

int totalOf(const ServerResources& resources)
{
    int total = 0;
    for (const auto& [type, count] : resources)
        total += count;
    return total;
}

std::string describe(const ServerResources& resources)
{
    std::ostringstream text;
    for (const auto& [type, count] : resources)
        text << (text.tellp() > 0 ? ", " : "") << count << ' ' << type;
    return text.str();
}

} // namespace kestrel::test
