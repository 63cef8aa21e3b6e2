// Placeholder until the host lands.
namespace plx_host_placeholder {}
