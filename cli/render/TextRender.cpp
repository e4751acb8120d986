// Text renderers arrive with the full rendering work.
