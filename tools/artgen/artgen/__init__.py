"""Draws every picture of the client: resource pictures by id and the window design pictures."""
